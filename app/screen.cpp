#include "screen.h"

#include "clientarea.h"
#include "controls.h"
#include "designcheck.h"
#include "errorreporter.h"
#include "builtinpictures.h"
#include "focusring.h"
#include "screenreader.h"
#include "screenregistry.h"
#include "screenwindow.h"
#include "spokencontrols.h"
#include "spokenreplies.h"
#include "voiceoffsign.h"

#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <vector>

namespace sprout {

namespace {

Qt::WindowFlags flagsFor(const WindowDesign& window)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (window.resizable)
        flags |= Qt::WindowMinMaxButtonsHint;
    return flags;
}

void placeInCentre(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), window->size());
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace

Screen::Screen(ScreenRegistry& registry, ScreenId id, const ScreenDesign& design)
    : m_registry(registry), m_id(id), m_design(design)
{
    for (const MenuEntry& entry : design.window.menu)
        if (QLatin1String(entry.name) == QLatin1String("mnuExit"))
            onClick("mnuExit", [this] { mnuExit_Click(); });
}

Screen::~Screen()
{
    delete m_frame.data();
}

bool Screen::isVisible() const
{
    return m_frame && m_frame->isVisible();
}

QWidget* Screen::client() const
{
    return m_frame ? m_frame->centralWidget() : nullptr;
}

QWidget* Screen::control(const QString& name) const
{
    return m_controls.value(name);
}

bool Screen::load()
{
    if (isLoaded())
        return true;
    if (!readPictureFiles())
        return false;
    FormBuilder::drawPicturesAhead(design(), m_scale);
    reportDesignProblems();
    FocusRing::install();
    ScreenReader::install();
    buildWindow();
    QSet<QString> clickable(m_clickHandlers.keyBegin(), m_clickHandlers.keyEnd());
    clickable.unite(QSet<QString>(m_indexedClickHandlers.keyBegin(), m_indexedClickHandlers.keyEnd()));
    m_controls = FormBuilder::build(client(), design(), clickable, m_scale);
    forgetPicturesDrawnAhead();
    controlsBuilt();
    auto* spoken = new SpokenControls(client(), design(), m_controls);
    auto* replies = new SpokenReplies(client(), m_design, m_controls);
    connect(this, &Screen::replyShown, spoken, &SpokenControls::replyShown);
    connect(this, &Screen::questionShown, spoken, &SpokenControls::questionShown);
    connect(this, &Screen::replyShown, replies, &SpokenReplies::replyShown);
    connect(this, &Screen::questionShown, replies, &SpokenReplies::questionShown);
    wireHandlers();
    VoiceOffSign::place(client(), QSize(px(windowDesign().clientWidth), px(windowDesign().clientHeight)), areasInUse());
    focusFirstControl();
    Form_Load();
    return true;
}

void Screen::unload()
{
    if (!m_frame)
        return;
    m_controls.clear();
    QMainWindow* frame = m_frame;
    m_frame = nullptr;
    frame->hide();
    // Unloading usually happens inside one of the window's own events (its menu,
    // its close box), so the window goes once that event is over.
    frame->deleteLater();
}

QStringList Screen::designProblems() const
{
    QStringList handled = m_clickHandlers.keys();
    handled += m_indexedClickHandlers.keys();
    handled += m_changeHandlers.keys();
    return DesignCheck::problems(windowDesign(), design(), handled);
}

void Screen::reportDesignProblems() const
{
    const QStringList problems = designProblems();
    if (!problems.isEmpty())
        ErrorReporter::report(QStringLiteral("A screen is built wrongly"),
                              QStringLiteral("%1: %2").arg(QLatin1String(screenName(m_id)),
                                                           problems.join(QStringLiteral("; "))));
}

void Screen::buildWindow()
{
    auto* frame = new ScreenWindow(nullptr, flagsFor(windowDesign()));
    frame->setObjectName(QString::fromLatin1(screenName(m_id)));
    frame->setWindowTitle(QString::fromUtf8(windowDesign().caption));
    if (windowDesign().icon)
        frame->setWindowIcon(QIcon(builtInPicture(QStringLiteral("icon"))));
    connect(frame, &ScreenWindow::closeRequested, this, [this] { m_registry.unload(m_id); });

    auto* area = new ClientArea;
    frame->setCentralWidget(area);
    m_frame = frame;
    buildMenu();
    if (!windowDesign().resizable)
        frame->layout()->setSizeConstraint(QLayout::SetFixedSize);
    sizeWindow();
    if (windowDesign().placement == Placement::Centre)
        placeInCentre(frame);
}

void Screen::sizeWindow()
{
    if (QWidget* bar = m_frame->menuWidget()) {
        // The menu bar grows with the screen; in the window it keeps the desktop's font.
        QFont font = QApplication::font(bar);
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * m_scale);
        else
            font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * m_scale)));
        bar->setFont(m_scale == 1.0 ? QFont() : font);
    }
    const QSize clientSize(px(windowDesign().clientWidth, m_scale), px(windowDesign().clientHeight, m_scale));
    if (windowDesign().resizable) {
        // The controls keep their places; the window may grow or shrink around them.
        const int menuHeight = m_frame->menuWidget() ? m_frame->menuWidget()->sizeHint().height() : 0;
        m_frame->resize(clientSize.width(), clientSize.height() + menuHeight);
    } else {
        client()->setFixedSize(clientSize);
        m_frame->adjustSize();
    }
}

void Screen::setScale(double scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    if (!isLoaded())
        return;
    // Drawn at the new scale when the screen shows: on F11 every screen loaded is
    // scaled, and drawn now each would hold pictures as large as the screen.
    letPicturesGo();
    FormBuilder::rescale(client(), design(), m_controls, scale);
    if (isVisible())
        takePicturesBack();
    sizeWindow();
    if (auto* sign = client()->findChild<VoiceOffSign*>())
        sign->fitScreen(QSize(px(windowDesign().clientWidth, scale), px(windowDesign().clientHeight, scale)));
    scaleChanged();
}

void Screen::letPicturesGo()
{
    if (isLoaded())
        FormBuilder::letPicturesGo(design(), m_controls);
}

void Screen::takePicturesBack()
{
    if (isLoaded())
        FormBuilder::takePicturesBack(design(), m_controls);
}

void Screen::becomeWindow()
{
    if (!m_frame || m_frame->isWindow())
        return;
    m_frame->setParent(nullptr, flagsFor(windowDesign()));
    m_frame->setAutoFillBackground(false);
    setScale(1.0);
    if (windowDesign().placement == Placement::Centre)
        placeInCentre(m_frame);
}

void Screen::buildMenu()
{
    if (windowDesign().menu.empty())
        return;
    QMenuBar* bar = m_frame->menuBar();
    for (const MenuEntry& entry : windowDesign().menu) {
        QAction* action = bar->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        if (auto handler = m_clickHandlers.value(QString::fromLatin1(entry.name)))
            connect(action, &QAction::triggered, this, handler);
    }
}

void Screen::onClick(const char* controlName, std::function<void()> handler)
{
    m_clickHandlers.insert(QString::fromLatin1(controlName), std::move(handler));
}

void Screen::onIndexedClick(const char* controlName, std::function<void(int)> handler)
{
    m_indexedClickHandlers.insert(QString::fromLatin1(controlName), std::move(handler));
}

void Screen::onChange(const char* controlName, std::function<void()> handler)
{
    m_changeHandlers.insert(QString::fromLatin1(controlName), std::move(handler));
}

void Screen::wireHandlers()
{
    auto connectClick = [this](QWidget* widget, std::function<void()> handler) {
        if (auto* label = qobject_cast<ClickLabel*>(widget))
            connect(label, &ClickLabel::clicked, this, handler);
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            connect(button, &QPushButton::clicked, this, handler);
    };
    for (auto it = m_clickHandlers.cbegin(); it != m_clickHandlers.cend(); ++it)
        if (QWidget* widget = m_controls.value(it.key()))
            connectClick(widget, it.value());

    for (auto it = m_indexedClickHandlers.cbegin(); it != m_indexedClickHandlers.cend(); ++it) {
        const QString prefix = it.key() + QLatin1Char('(');
        for (QWidget* widget : std::as_const(m_controls)) {
            if (!widget->objectName().startsWith(prefix))
                continue;
            const int index = widget->property("controlIndex").toInt();
            const auto handler = it.value();
            connectClick(widget, [handler, index] { handler(index); });
        }
    }

    for (auto it = m_changeHandlers.cbegin(); it != m_changeHandlers.cend(); ++it) {
        QWidget* widget = m_controls.value(it.key());
        if (auto* label = qobject_cast<ClickLabel*>(widget))
            connect(label, &ClickLabel::changed, this, it.value());
        else if (auto* line = qobject_cast<QLineEdit*>(widget))
            connect(line, &QLineEdit::textChanged, this, it.value());
        else if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
            connect(text, &QPlainTextEdit::textChanged, this, it.value());
    }
}

// The focus starts where the design puts it: on the first of its windowed controls
// in the tab order. Where it has none, the client area holds the focus, so that no
// link is pressed by a key before Tab has reached it.
void Screen::focusFirstControl()
{
    std::vector<const Control*> candidates;
    for (const Control& row : design())
        if (row.tabIndex >= 0 && isWindowed(row.kind) && !(row.look.flags & Hidden))
            candidates.push_back(&row);
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    for (const Control* row : candidates) {
        QWidget* widget = m_controls.value(FormBuilder::objectNameOf(*row));
        if (widget && widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocus();
            return;
        }
    }
    client()->setFocus();
}

// Where the controls lie that the child sees and uses: all but the backdrop, a
// picture as wide as the screen.
QList<QRect> Screen::areasInUse() const
{
    QList<QRect> areas;
    for (const Control& row : design()) {
        QWidget* widget = m_controls.value(FormBuilder::objectNameOf(row));
        const bool backdrop = row.kind == Kind::Image && row.width >= windowDesign().clientWidth;
        if (widget && !backdrop && !(row.look.flags & Hidden))
            areas << QRect(widget->mapTo(client(), QPoint()), widget->size());
    }
    return areas;
}

void Screen::showReply(const QString& controlName, const Reply& reply)
{
    QWidget* widget = control(controlName);
    const QString text = QString::fromUtf8(reply.shown.data(), static_cast<qsizetype>(reply.shown.size()));
    if (auto* label = qobject_cast<ClickLabel*>(widget))
        label->setCaption(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
        box->setPlainText(text);
    else
        return;
    emit replyShown(widget, reply.spoken());
}

void Screen::navigate(ScreenId target, Order order)
{
    // A screen that cannot come up (a picture file it needs is unreadable) must
    // not leave the child looking at nothing: load it before this one goes.
    if (!m_registry.load(target))
        return;
    if (order == Order::ShowThenHide) {
        m_registry.show(target);
        m_registry.hide(m_id);
    } else {
        m_registry.hide(m_id);
        m_registry.show(target);
    }
}

void Screen::mnuExit_Click()
{
    m_registry.unload(m_id);
}

} // namespace sprout
