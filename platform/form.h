#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

class QCloseEvent;

namespace platform {

// A window of the program: one instance at a time, created hidden by its first
// use (see Ref), with a load step, modeless or modal show and an unload that
// is safe to call from the window's own handlers.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // The load handler, run once right after the window has been created.
    virtual void Form_Load() {}

    // Makes the window visible and returns at once.
    void Show();
    // Makes the window visible and returns when it has been unloaded; until
    // then no other window of the program takes input, and the window stays
    // above the one that was active when it opened.
    void ShowModal();
    // Closes the window; it is destroyed once no handler is running any more,
    // and a later use creates it afresh.
    void Unload();

    bool IsUnloaded() const { return *unloaded_; }
    // Stays readable after the window is gone: what a wait reads after
    // pumping events, instead of a member of a window that may be closed.
    std::shared_ptr<const bool> UnloadedFlag() const { return unloaded_; }

signals:
    void Unloaded();

protected:
    // The close box of the title bar; by default it unloads the window.
    virtual void Form_CloseBox() { Unload(); }
    // Centres the window on its screen the first time it shows.
    void SetStartCentered(bool centered) { startCentered_ = centered; }
    void closeEvent(QCloseEvent* event) override;

private:
    void MoveToScreenCenter();
    void StayAbove(QWidget* owner);

    std::shared_ptr<bool> unloaded_ = std::make_shared<bool>(false);
    bool startCentered_ = false;
    bool shownBefore_ = false;
};

// The window reference: the one live instance of T, created hidden with its
// load step on first use or after an unload.
template <class T>
T& Ref()
{
    static QPointer<T> instance;
    if (!instance || instance->IsUnloaded()) {
        instance = new T();
        instance->Form_Load();
    }
    return *instance;
}

}  // namespace platform
