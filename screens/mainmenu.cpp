#include "mainmenu.h"

#include "screendesigns.h"
#include "screenregistry.h"
#include "webpages.h"

#include <QDesktopServices>
#include <QUrl>

namespace sprout {

MainMenu::MainMenu(ScreenRegistry& registry)
    : Screen(registry, ScreenId::SproutMain, designs::mainMenu)
{
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Label2", [this] { navigate(ScreenId::frmShapes, Order::ShowThenHide); });
    onClick("Label3", [this] { navigate(ScreenId::frmLetters, Order::ShowThenHide); });
    onClick("Label4", [this] { navigate(ScreenId::FrmNumbers, Order::ShowThenHide); });
    onClick("Label5", [this] { navigate(ScreenId::frmColors, Order::ShowThenHide); });
    onClick("Label6", [this] { navigate(ScreenId::Games, Order::ShowThenHide); });
    onClick("Label7", [this] { navigate(ScreenId::measure, Order::ShowThenHide); });
    onClick("mnuUpdates", [this] { mnuUpdates_Click(); });
    onClick("mnuMore", [this] { mnuMore_Click(); });
}

void MainMenu::Form_Load()
{
    showReply(QStringLiteral("Text1"), designs::kGreeting);
}

void MainMenu::Command1_Click()
{
    control("Image2")->hide();
    showReply(QStringLiteral("Text1"), designs::kBoardText);
}

void MainMenu::mnuUpdates_Click()
{
    // If no browser opens, there is nothing useful to tell a child: carry on.
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(webpages::kDownloadsPage)));
}

void MainMenu::mnuMore_Click()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(webpages::kHomePage)));
}

} // namespace sprout
