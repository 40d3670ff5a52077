#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

namespace z3 {

// One running copy per user. The first copy binds a Unix socket in the
// abstract namespace whose name carries the user id: binding is atomic, the
// kernel frees the name when the process ends (even when killed), and another
// user's copy binds another name. A second copy connects and asks the first to
// show its main window restored.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role { First, Second };

    // `name` is the lock's base name; the user id is appended.
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    Role role() const { return m_listenFd >= 0 ? Role::First : Role::Second; }

    // First copy, once the Qt application exists: serve restore requests.
    void startListening();

    // Second copy: asks the first copy to restore its window. Returns false
    // when the first copy cannot be reached; callers exit silently either way.
    bool askFirstToRestore() const;

    // The socket name in the abstract namespace (without the leading NUL).
    static QString socketName(const QString& name);

signals:
    // A copy of the same user asked this one to show its window.
    void restoreRequested();

private:
    void acceptPending();

    QString m_name;
    int m_listenFd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace z3
