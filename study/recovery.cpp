#include "study/recovery.h"

#include "study/practice.h"
#include "study/profileeditor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>

namespace yuc::study {

namespace {

const QString prefix = QStringLiteral("unsaved-edits-");

// Whether the program that kept a copy still runs: a process of that id that
// has not ended (a killed one lingers a moment) and runs this program, not
// another that came to have the id since.
bool running(qint64 pid)
{
    if (pid <= 0 || (::kill(pid_t(pid), 0) != 0 && errno != EPERM))
        return false;
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    QFile stat(proc + QStringLiteral("stat"));
    if (stat.open(QIODevice::ReadOnly)) {
        // "pid (name) state ...": the state follows the name's closing bracket.
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        if (close >= 0 && close + 2 < line.size() && (line.at(close + 2) == 'Z' || line.at(close + 2) == 'X'))
            return false;
    }
    const QString program = QFileInfo(proc + QStringLiteral("exe")).symLinkTarget();
    return program.isEmpty() || program == QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
}

void removeFile(const QString &path)
{
    if (!path.isEmpty() && QFile::exists(path))
        QFile::remove(path);
}

} // namespace

Recovery &Recovery::instance()
{
    static Recovery recovery;
    return recovery;
}

Recovery::Recovery()
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(delayMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &Recovery::write);
}

void Recovery::follow()
{
    static bool following = false;
    if (following)
        return;
    following = true;
    Practice &practice = Practice::instance();
    connect(&practice, &Practice::changed, this, [this, &practice] {
        if (practice.editor() != m_editor)
            watch(practice.editor());
    });
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &Recovery::remove);
    watch(practice.editor());
}

QString Recovery::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Recovery::path()
{
    return QDir(folder()).filePath(prefix + QString::number(QCoreApplication::applicationPid())
                                   + QStringLiteral(".json"));
}

void Recovery::watch(ProfileEditor *editor)
{
    if (m_editor) {
        disconnect(m_editor, nullptr, this, nullptr);
        disconnect(m_editor->undoStack(), nullptr, this, nullptr);
    }
    m_editor = editor;
    if (editor) {
        connect(editor, &ProfileEditor::edited, this, &Recovery::edited);
        // A save changes no edit, only whether they are saved.
        connect(editor->undoStack(), &QUndoStack::cleanChanged, this, &Recovery::edited);
        // The editor goes when its profile is left or the program ends: so do its edits.
        connect(editor, &QObject::destroyed, this, &Recovery::remove);
    }
    edited();
}

void Recovery::edited()
{
    if (!m_editor || !m_editor->isModified()) {
        remove();
        return;
    }
    // Not put off by further edits: each one is kept within the delay.
    if (!m_timer.isActive())
        m_timer.start();
}

void Recovery::write()
{
    if (!m_editor || !m_editor->isModified())
        return remove();
    QDir().mkpath(folder());
    QSaveFile file(path());
    const QByteArray bytes = QJsonDocument(m_editor->snapshot()).toJson(QJsonDocument::Compact);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (!m_warned)
            qWarning("Unsaved edits cannot be kept in %s: %s", qPrintable(path()), qPrintable(file.errorString()));
        m_warned = true;
        return;
    }
    removeFile(m_inherited);
    m_inherited.clear();
}

void Recovery::remove()
{
    m_timer.stop();
    removeFile(path());
    removeFile(m_inherited);
    m_inherited.clear();
}

void Recovery::takeOver(const QString &path)
{
    m_inherited = path;
}

std::optional<Recovery::LeftBehind> Recovery::leftBehind()
{
    static const QRegularExpression name(QStringLiteral("^%1(\\d+)\\.json$").arg(prefix));
    const QFileInfoList files =
        QDir(folder()).entryInfoList({prefix + QStringLiteral("*.json")}, QDir::Files, QDir::Time);
    for (const QFileInfo &info : files) {
        const QRegularExpressionMatch match = name.match(info.fileName());
        const qint64 pid = match.hasMatch() ? match.captured(1).toLongLong() : 0;
        if (!match.hasMatch() || pid == QCoreApplication::applicationPid() || running(pid))
            continue;
        LeftBehind copy{info.filePath(), info.lastModified(), {}, {}};
        QFile file(info.filePath());
        QJsonParseError parse{};
        const QJsonDocument document =
            file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll(), &parse) : QJsonDocument();
        if (!file.isOpen())
            copy.error = file.errorString();
        else if (!document.isObject())
            copy.error = parse.errorString();
        copy.snapshot = document.object();
        return copy;
    }
    return std::nullopt;
}

QString Recovery::belongsTo(const QJsonObject &snapshot)
{
    const QString file = snapshot.value(QStringLiteral("file")).toString();
    if (!file.isEmpty())
        return QDir::toNativeSeparators(file);
    const QString origin = snapshot.value(QStringLiteral("origin")).toString();
    return origin.isEmpty() ? QStringLiteral("new profile") : QStringLiteral("new profile (%1)").arg(origin);
}

} // namespace yuc::study
