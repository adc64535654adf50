#include "gamesmenu.h"

#include "screendesigns.h"

namespace sprout {

GamesMenu::GamesMenu(ScreenRegistry& registry) : Screen(registry, ScreenId::Games, designs::gamesMenu)
{
    onClick("Label2", [this] { navigate(ScreenId::Form1, Order::ShowThenHide); });
    onClick("Label3", [this] { navigate(ScreenId::GuessColor, Order::ShowThenHide); });
    onClick("Label4", [this] { navigate(ScreenId::Guessshape, Order::HideThenShow); });
    onClick("Label5", [this] { navigate(ScreenId::Spellword, Order::HideThenShow); });
    onClick("Label6", [this] { navigate(ScreenId::MathTest, Order::ShowThenHide); });
    onClick("Label11", [this] { navigate(ScreenId::SproutMain, Order::HideThenShow); });
}

} // namespace sprout
