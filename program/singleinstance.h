#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace sprout {

// One Sproutkin at a time for each user. The running one listens on a local socket;
// a later start finds it there, asks it to come to the front and ends. A socket
// nobody answers on was left by a crash or a power cut and is taken over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // In $XDG_RUNTIME_DIR, else in the temporary folder, named with the user's name.
    static QString defaultPath();

    explicit SingleInstance(QString path = defaultPath());
    ~SingleInstance() override;

    // True for the first start, which then listens for later ones; false when
    // another runs and has been asked to come to the front.
    bool claim();

signals:
    // A later start asked to see this one. Its desktop's activation token, if it
    // had one, lets this one take the keyboard on Wayland.
    void secondStart(const QString& activationToken);

private:
    bool askRunningOne() const;
    void listen();
    void hear();

    QString m_path;
    int m_listener = -1;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace sprout
