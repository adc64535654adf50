#include "tables.h"

namespace sprout::words {

const Reply quizVerdicts[2] = {
    {"correct", said("Correct!")},
    {"Sorry, try again ", said("Sorry, try again.")},
};

} // namespace sprout::words
