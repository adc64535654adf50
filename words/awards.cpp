#include "tables.h"

#include <array>

namespace sprout::words {

namespace {

constexpr std::string_view kGreetingShown =
    "Congratulations, you are doing a great job.  For doing such a great job, you can print "
    "out a award for your work.";
constexpr Phrase kGreeting = said(
    "Congratulations, you are doing a great job. For doing such a great job, you can print "
    "out an award for your work.");
constexpr Reply kReplies[] = {{kGreetingShown, kGreeting}};

// The four award screens differ only in the certificate they show.
constexpr std::array<ControlWords, 5> awardControls(std::string_view certificate)
{
    return {{
        {"Picture1", said(certificate), "Your award"},
        {"Command1", said("Print award")},
        {"Command2", said("Continue")},
        {"Label2", said("The award looks like this. Press the print button to print the award "
                        "out, or click continue to move on.")},
        {"Label1", kGreeting},
    }};
}

constexpr auto kColor =
    awardControls("Your award, for doing an excellent job in identifying colors.");
constexpr auto kShape =
    awardControls("Your award, for doing an excellent job in identifying shapes.");
constexpr auto kWord = awardControls("Your award, for doing an excellent job in spelling.");
constexpr auto kMath = awardControls("Your award, for doing an excellent job in math.");

} // namespace

const ScreenWords awardColorWords{"awardcolor", kColor, kReplies};
const ScreenWords awardShapeWords{"awardshape", kShape, kReplies};
const ScreenWords awardWordWords{"awardword", kWord, kReplies};
const ScreenWords awardMathWords{"awardmath", kMath, kReplies};

} // namespace sprout::words
