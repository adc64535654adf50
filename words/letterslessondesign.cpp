#include "screendesigns.h"

namespace sprout::designs {

namespace {

constexpr WindowDesign kWindow{
    .caption = "QZV Preschool Sproutkin by Tallowmere ",
    .clientWidth = 9735,
    .clientHeight = 5865,
    .menu = {}, // the one screen without a menu bar
};

constexpr Colour kBlack = rgb(0, 0, 0);

// The alphabets stand in black boxes with a white caption.
constexpr Look kAlphabetBox{{"Trebuchet MS", 9.75, false}, looks::kWhite, kBlack, Opaque};
constexpr Look kAlphabet{{"Trebuchet MS", 14.25, true}, looks::kWhite};
constexpr Look kExample{{"Arial", 11.25, true}, looks::kLightYellow};
constexpr Look kExplanation{{"Trebuchet MS", 12, true}, looks::kLightYellow};

constexpr Control kControls[] = {
    // kind         name       text                                                      left  top   width height look
    {Kind::Frame,  "Frame2",  "The Lowercase Alphabet",                                  240,  4320, 7815, 855,  kAlphabetBox},
    Control{Kind::Label,  "Label7",  "a b c d e f g h i j k l m n o p q r s t u v w x y z",     840,  360,  6375, 375,  kAlphabet, "Frame2"}
        .speaking(Speaks::Letters).named("The lowercase alphabet").described("The letters a to z"),
    {Kind::Frame,  "Frame1",  "The Uppercase Alphabet",                                  240,  3360, 7815, 855,  kAlphabetBox},
    Control{Kind::Label,  "Label6",  "A B C D E F G H I J K L M N O P Q R S T U V W X Y  Z",    240,  360,  7095, 375,  kAlphabet, "Frame1"}
        .speaking(Speaks::Letters).named("The uppercase alphabet").described("The letters A to Z"),
    {Kind::Label,  "Label11", "Back to Main",                                            7320, 5280, 2055, 375,  looks::kBackLink},
    Control{Kind::Label,  "Label5",  "\"A\" and \"a\" are the same letter, but remember all letters have 2 forms.",
                                                                                         3600, 2520, 6135, 735,  kExample}
        .saying("Big A and small a are the same letter, but remember, all letters have 2 forms."),
    Control{Kind::Label,  "Label4",  "The letter a (Not capitalized)",                          1680, 2520, 1575, 855,  kExample}
        .saying("The letter a, not capitalized"),
    Control{Kind::Label,  "Label3",  "The letter A (capitalized)",                              240,  2520, 1575, 855,  kExample}
        .saying("The letter A, capitalized"),
    Control{Kind::Label,  "Label2",  "All letters of the alphabet has 2 forms: Lowercase and Uppercase. Lowercase means the letter is not capitalized, and Uppercase means the letter is capitalized.",
                                                                                         240,  1560, 9255, 735,  kExplanation}
        .saying("All letters of the alphabet have 2 forms: lowercase and uppercase. Lowercase means the "
                "letter is not capitalized, and uppercase means the letter is capitalized."),
    {Kind::Label,  "Label1",  "What is a letter? A letter is a member of the alphabet, which contains 26 letters that make up all the words we have in the whole world.",
                                                                                         240,  720,  9495, 855,  kExplanation},
    {Kind::Label,  "Label8",  "Letters!",                                                4440, 240,  1335, 735,  looks::kLessonTitle},
    Control{Kind::Image,  "Image8",  "backdrop",                                                0,    0,    9735, 5880, looks::kStretched}.backdrop(kLessonBackdrop),
};

} // namespace

const ScreenDesign lettersLesson{kWindow, kControls};

} // namespace sprout::designs
