#include "tables.h"

namespace sprout::words {

namespace {

// The child cannot read the word on the picture: resting on it says the word.
constexpr PictureWords kPictures[] = {
    {"Chair.bmp", said("Chair")},   {"And.bmp", said("And")},       {"House.bmp", said("House")},
    {"Apple.bmp", said("Apple")},   {"What.bmp", said("What")},     {"There.bmp", said("There")},
    {"Bucket.bmp", said("Bucket")}, {"Fork.bmp", said("Fork")},     {"Fun.bmp", said("Fun")},
    {"Rabbit.bmp", said("Rabbit")}, {"Sun.bmp", said("Sun")},       {"Moon.bmp", said("Moon")},
    {"Star.bmp", said("Star")},     {"Plate.bmp", said("Plate")},   {"Mouse.bmp", said("Mouse")},
    {"Hello.bmp", said("Hello")},   {"Night.bmp", said("Night")},   {"Book.bmp", said("Book")},
    {"Earth.bmp", said("Earth")},   {"Fly.bmp", said("Fly")},       {"Candy.bmp", said("Candy")},
    {"Boat.bmp", said("Boat")},     {"Banana.bmp", said("Banana")}, {"Truck.bmp", said("Truck")},
    {"School.bmp", said("School")}, {"Study.bmp", said("Study")},   {"Smart.bmp", said("Smart")},
    {"Stapler.bmp", said("Stapler")}, {"Shirt.bmp", said("Shirt")}, {"Light.bmp", said("Light")},
    {"Day.bmp", said("Day")},
};

constexpr ControlWords kControls[] = {
    {"Command1", said("Check spelling")},
    {"Text1", said("Type the word here"), "Your spelling"},
    {"Frame3", said("How to play")},
    {"Text2", said("In this game you can practice your spelling. You can do that by using "
                   "your keyboard to spell the words on the board, and press the Check "
                   "Spelling button to see if you got it right."),
     "How to play"},
    {"Label13", said("Back to games")},
    {"Image2", {}, "The word to spell", {}, Strip::Picture, {}, kPictures},
    {"Label1", {}, "Result", {}, Strip::Shown},
    {"Label20", said("Spell the word!")},
};

} // namespace

const ScreenWords spellWordWords{"Spellword", kControls, quizVerdicts};

} // namespace sprout::words
