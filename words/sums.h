#pragma once

#include "phrase.h"

#include <span>

namespace sprout::designs {

// A sum the maths quiz asks: tools/assetgen draws its two numbers on the picture
// file, the voice asks it in words, and the choice whose caption is its result
// accepts it. A question number without a sum has an empty file name.
struct Sum {
    const char* file; // "\67.bmp"
    int first = 0;
    char operation = '+';
    int second = 0;
    words::Phrase asked = {};
};

// By question number, as the quiz draws them.
std::span<const Sum> sums();

} // namespace sprout::designs
