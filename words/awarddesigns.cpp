#include "screendesigns.h"

#include <array>

namespace sprout::designs {

namespace {

constexpr WindowDesign kWindow{
    .caption = "Congratulations",
    .clientWidth = 8130,
    .clientHeight = 8280,
    .placement = Placement::PlatformDefault,
};

constexpr Look kSaying{{"Arial", 15.75, true}, kDefault, kDefault, Opaque};
constexpr Look kButton{{"Arial", 12, true}};
constexpr Look kCertificate{{}, kDefault, kDefault, Opaque | Sunken};

constexpr const char* kGreeting =
    "Congratulations, you are doing a great job.  For doing such a great job, you can print "
    "out a award for your work.";
constexpr const char* kInstruction =
    "The award looks like this, press the print button to print the award out,  or click "
    "continue to move on.";

// Where the four twins differ: the places of the certificate and the sayings, the
// buttons' left edge, which button the tab order (and so the arrival) starts at,
// and what the certificate says.
struct AwardLayout {
    const char* certificate; // the built-in picture shown until "Print Award"
    int certificateLeft, certificateTop;
    int printLeft; // "Print Award"; "Continue" lies 3240 twips to its right
    int instructionTop;
    int greetingLeft, greetingTop;
    bool continueFirst; // "Continue" before "Print Award" in the tab order
    const char* certificateSays;
};

constexpr std::array<Control, 5> awardControls(const AwardLayout& at)
{
    const int printTab = at.continueFirst ? 1 : 2;
    const int continueTab = at.continueFirst ? 0 : 3;
    const int instructionTab = at.continueFirst ? 2 : 1;
    const int greetingTab = at.continueFirst ? 3 : 0;
    // kind              name        text            left                top                width height look          parent   tab
    return {{
        Control{Kind::PictureBox, "Picture1", at.certificate, at.certificateLeft, at.certificateTop, 7695, 5295, kCertificate, nullptr, 4}
            .saying(at.certificateSays).named("Your award"),
        {Kind::Button,     "Command1", "Print Award",  at.printLeft,       7320,              1455, 855,  kButton,      nullptr, printTab},
        {Kind::Button,     "Command2", "Continue",     at.printLeft + 3240, 7320,             1455, 855,  kButton,      nullptr, continueTab},
        Control{Kind::Label,      "Label2",   kInstruction,   0,                  at.instructionTop, 8055, 855,  kSaying,      nullptr, instructionTab}
            .saying("The award looks like this. Press the print button to print the award out, or click "
                    "continue to move on."),
        Control{Kind::Label,      "Label1",   kGreeting,      at.greetingLeft,    at.greetingTop,    7935, 1335, kSaying,      nullptr, greetingTab}
            .saying("Congratulations, you are doing a great job. For doing such a great job, you can print "
                    "out an award for your work."),
    }};
}

constexpr auto kColor = awardControls({"certificate-color", 120, 2040, 1680, 1200, 120, 0, false,
                                       "Your award, for doing an excellent job in identifying colors."});
constexpr auto kShape = awardControls({"certificate-shape", 240, 2040, 1680, 1320, 120, 120, false,
                                       "Your award, for doing an excellent job in identifying shapes."});
constexpr auto kWord = awardControls({"certificate-word", 240, 1920, 1800, 1200, 120, 0, true,
                                      "Your award, for doing an excellent job in spelling."});
constexpr auto kMath = awardControls({"certificate-math", 0, 2040, 1560, 1200, 0, 0, true,
                                      "Your award, for doing an excellent job in math."});

// Each award congratulates the child every time it comes up.
constexpr ScreenDesign award(std::span<const Control> controls)
{
    return {.window = kWindow, .controls = controls, .saidOnArrival = "Label1"};
}

} // namespace

const ScreenDesign colorAward = award(kColor);
const ScreenDesign shapeAward = award(kShape);
const ScreenDesign spellingAward = award(kWord);
const ScreenDesign mathAward = award(kMath);

} // namespace sprout::designs
