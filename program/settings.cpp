#include "settings.h"

#include "commandline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <cstdio>
#include <utility>

namespace sprout {

namespace {

const QString kFileName = QStringLiteral("/sproutkin/sproutkin.conf");
const QString kGeneral = QStringLiteral("[General]");
// Far more than any settings file needs; a larger one is not ours.
constexpr qint64 kLargestFile = 64 * 1024;

// One settings file as read: its lines, and what is wrong with it, if anything.
struct FileText {
    QStringList lines;
    QString fault;
};

FileText readText(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (QFileInfo(path).isDir())
        return {{}, QStringLiteral("cannot be read (it is a folder)")};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("cannot be read (%1)").arg(file.errorString())};
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile)
        return {{}, QStringLiteral("is too large to be a settings file")};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError() || bytes.contains('\0'))
        return {{}, QStringLiteral("is not a text file")};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return {lines, {}};
}

std::optional<bool> yesOrNo(const QString& value)
{
    for (const char* yes : {"true", "yes", "on", "1"})
        if (value == QLatin1String(yes))
            return true;
    for (const char* no : {"false", "no", "off", "0"})
        if (value == QLatin1String(no))
            return false;
    return std::nullopt;
}

bool isGroup(const QString& line)
{
    return line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
}

bool isComment(const QString& line)
{
    return line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';'));
}

// Calls back with each line of the [General] group (lines before any group belong
// to it too) and its index; other groups are left to whoever wrote them.
template <class Visit> void forEachGeneralLine(const QStringList& lines, Visit visit)
{
    bool general = true;
    for (int index = 0; index < lines.size(); ++index) {
        const QString line = lines[index].trimmed();
        if (isGroup(line))
            general = line == kGeneral;
        else if (general && !isComment(line))
            visit(index, line);
    }
}

// What the file says, or what is wrong with it. Keys it does not know are a later
// version's and are passed over.
Settings::Said parse(FileText& text)
{
    Settings::Said said;
    forEachGeneralLine(text.lines, [&](int index, const QString& line) {
        if (!text.fault.isEmpty())
            return;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            text.fault = QStringLiteral("line %1 is not \"key=value\"").arg(index + 1);
            return;
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed().toLower();
        std::optional<bool>* target = key == QLatin1String("mute")         ? &said.mute
                                      : key == QLatin1String("fullscreen") ? &said.fullScreen
                                      : key == QLatin1String("kiosk")      ? &said.kiosk
                                                                           : nullptr;
        if (!target)
            return;
        const bool locked = target == &said.kiosk && value == QLatin1String("locked");
        *target = locked ? std::optional(true) : yesOrNo(value);
        said.kioskLocked = said.kioskLocked || locked;
        if (!*target)
            text.fault = QStringLiteral("line %1: \"%2\" is not true or false").arg(index + 1).arg(value);
    });
    return text.fault.isEmpty() ? said : Settings::Said{};
}

Settings::Said read(const QString& path, const char* consequence)
{
    FileText text = readText(path);
    const Settings::Said said = parse(text);
    if (!text.fault.isEmpty())
        std::fprintf(stderr, "sproutkin: settings file %s %s; %s\n", qPrintable(path),
                     qPrintable(text.fault), consequence);
    return said;
}

// The more important file's keys replace the other's; a lock stays.
void overlay(Settings::Said& base, const Settings::Said& over)
{
    for (auto member : {&Settings::Said::mute, &Settings::Said::fullScreen, &Settings::Said::kiosk})
        if (over.*member)
            base.*member = over.*member;
    base.kioskLocked = base.kioskLocked || over.kioskLocked;
}

} // namespace

Settings Settings::fromEnvironment()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    folders.removeAll(user);
    for (QString& folder : folders)
        folder += kFileName;
    return Settings(user + kFileName, folders);
}

Settings::Settings(QString userFile, const QStringList& systemFiles) : m_userFile(std::move(userFile))
{
    for (auto file = systemFiles.crbegin(); file != systemFiles.crend(); ++file)
        overlay(m_system, read(*file, "its settings are not used"));
    m_user = read(m_userFile, "starting with the defaults");
}

Choices Settings::startWith(const CommandLine& options) const
{
    Said said = m_system;
    overlay(said, m_user);
    Choices choices;
    choices.mute = options.mute || said.mute.value_or(false);
    choices.kiosk = options.kiosk || m_system.kioskLocked || said.kiosk.value_or(false);
    choices.fullScreen = options.fullScreen || choices.kiosk || said.fullScreen.value_or(false);
    return choices;
}

void Settings::rememberMute(bool mute)
{
    remember("mute", mute);
}

void Settings::rememberFullScreen(bool on)
{
    remember("fullscreen", on);
}

void Settings::remember(const char* key, bool value)
{
    FileText text = readText(m_userFile);
    parse(text);
    if (!text.fault.isEmpty()) {
        const QString damaged = m_userFile + QStringLiteral(".damaged");
        QFile::remove(damaged);
        QFile::rename(m_userFile, damaged);
        text = {};
    }
    const QString line = QStringLiteral("%1=%2").arg(QLatin1String(key), value ? QStringLiteral("true") : QStringLiteral("false"));
    int found = -1;
    forEachGeneralLine(text.lines, [&](int index, const QString& written) {
        if (written.section(QLatin1Char('='), 0, 0).trimmed() == QLatin1String(key))
            found = index;
    });
    if (found >= 0)
        text.lines[found] = line;
    else if (const qsizetype group = text.lines.indexOf(kGeneral); group >= 0)
        text.lines.insert(group + 1, line);
    else
        text.lines = text.lines.isEmpty() ? QStringList{kGeneral, line} : QStringList{line} + text.lines;

    QDir().mkpath(QFileInfo(m_userFile).path());
    QSaveFile file(m_userFile);
    if (file.open(QIODevice::WriteOnly) && file.write((text.lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) >= 0
        && file.commit())
        return;
    if (!std::exchange(m_saveFailed, true))
        std::fprintf(stderr, "sproutkin: cannot remember the choice in %s (%s)\n", qPrintable(m_userFile),
                     qPrintable(file.errorString()));
}

} // namespace sprout
