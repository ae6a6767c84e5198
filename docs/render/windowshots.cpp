#include "windowshots.h"

#include "ui/platform/services.h"
#include "ui/window/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>

#include <functional>
#include <utility>

namespace dryfriction {

namespace {

// Services that show nothing and never wait: the pictures need the window
// only, and a run here goes as fast as it can be computed.
class SilentMessages final : public MessageService {
public:
    void inform(QWidget*, const QString&, const QString&) override {}
    bool askYesNo(QWidget*, const QString&, const QString&) override { return true; }
};

class SilentTone final : public ToneService {
public:
    void play(int, int) override {}
};

class NoDocuments final : public DocumentOpener {
public:
    void openDocument(const QString&, Outcome outcome) override { outcome(false); }
    void openText(const QString&, Outcome outcome) override { outcome(false); }
    QStringList searchFolders() const override { return {}; }
};

// Keeps the pending pause; fireAll() lets the run go on without waiting.
class ImmediateClock final : public PacingClock {
public:
    void start(int, std::function<void()> tick) override { m_tick = std::move(tick); }
    void stop() override { m_tick = nullptr; }
    bool isActive() const override { return static_cast<bool>(m_tick); }

    void fireAll()
    {
        // A run of the start-up problem takes 796 pauses; the bound only
        // guards against a run that never ends.
        for (int i = 0; i < 1'000'000 && m_tick; ++i)
            std::exchange(m_tick, nullptr)();
    }

private:
    std::function<void()> m_tick;
};

class NoExit final : public ExitService {
public:
    void exitProgram() override {}
};

class NoFileChooser final : public FileChooser {
public:
    Choice chooseSaveFile(QWidget*, const QString&, const QString&, const QStringList&) override { return {}; }
};

class NoClipboard final : public ClipboardService {
public:
    void setImage(const QImage&) override {}
};

bool grabTo(QWidget& window, const QString& file)
{
    QApplication::processEvents();
    return window.grab().save(file);
}

// The window with its File menu open: a popup menu is a window of its own,
// so its picture is laid over the window's where it stands on the screen,
// and only the corner of the window under the menu is kept.
bool grabFileMenu(QMainWindow& window, const QString& file)
{
    auto* menu = window.findChild<QMenu*>(QStringLiteral("fileMenu"));
    if (!menu)
        return false;
    QMenuBar* bar = window.menuBar();
    const QRect title = bar->actionGeometry(menu->menuAction());
    bar->setActiveAction(menu->menuAction());
    QApplication::processEvents();
    if (!menu->isVisible())
        menu->popup(bar->mapToGlobal(title.bottomLeft()));
    QApplication::processEvents();

    QPixmap shot = window.grab();
    const QPoint at = window.mapFromGlobal(menu->mapToGlobal(QPoint(0, 0)));
    {
        QPainter painter(&shot);
        painter.drawPixmap(at, menu->grab());
    }
    menu->hide();
    bar->setActiveAction(nullptr);
    QApplication::processEvents();

    // The menu and a margin of the window to its right and below it.
    constexpr int kMargin = 24;
    const QRect kept(QPoint(0, 0), QSize(at.x() + menu->width() + kMargin, at.y() + menu->height() + kMargin));
    const qreal ratio = shot.devicePixelRatio();
    const QRect device(kept.topLeft() * ratio, kept.size() * ratio);
    return shot.copy(device.intersected(QRect(QPoint(0, 0), shot.size()))).save(file);
}

}  // namespace

bool saveWindowShots(const QDir& dir)
{
    SilentMessages messages;
    SilentTone tone;
    NoDocuments documents;
    ImmediateClock clock;
    NoExit exit;
    NoFileChooser files;
    NoClipboard clipboard;
    MainWindow window({&messages, &tone, &documents, &clock, &exit, &files, &clipboard});
    window.show();
    bool ok = grabTo(window, dir.filePath(QStringLiteral("window-start.png")));

    auto* start = window.findChild<QAbstractButton*>(QStringLiteral("startButton"));
    auto* coordinate = window.findChild<QAbstractButton*>(QStringLiteral("coordinateOption"));
    if (!start || !coordinate)
        return false;
    start->click();
    clock.fireAll();
    if (window.isRunning())
        return false;
    ok = grabTo(window, dir.filePath(QStringLiteral("window-run.png"))) && ok;
    coordinate->click();
    ok = grabTo(window, dir.filePath(QStringLiteral("window-coordinate.png"))) && ok;
    auto* phase = window.findChild<QAbstractButton*>(QStringLiteral("phaseOption"));
    if (!phase)
        return false;
    phase->click();
    ok = grabTo(window, dir.filePath(QStringLiteral("window-phase.png"))) && ok;
    ok = grabFileMenu(window, dir.filePath(QStringLiteral("window-filemenu.png"))) && ok;
    return ok;
}

}  // namespace dryfriction
