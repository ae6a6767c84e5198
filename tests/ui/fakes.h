#pragma once

// Recording stand-ins for the window's platform services: no box is shown, no
// tone sounds, no viewer starts, no run waits and the program never ends. Each
// records what the window asked of it so a test can check texts, beeps,
// documents, pauses and exits.

#include "ui/platform/services.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

namespace dryfriction::test {

struct ShownMessage {
    QString title;
    QString text;
    bool question = false;  // askYesNo rather than inform

    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class FakeMessages final : public MessageService {
public:
    void inform(QWidget*, const QString& title, const QString& text) override
    {
        shown.push_back({title, text, false});
        if (onShow)
            onShow(shown.back());
    }
    bool askYesNo(QWidget*, const QString& title, const QString& text) override
    {
        shown.push_back({title, text, true});
        if (onShow)
            onShow(shown.back());
        return answerYes;
    }
    bool askYesNoDefaultNo(QWidget* parent, const QString& title, const QString& text) override
    {
        ++defaultNoQuestions;
        return askYesNo(parent, title, text);
    }

    std::vector<ShownMessage> shown;
    int defaultNoQuestions = 0;  // of the questions shown, those with No chosen at first
    bool answerYes = false;
    // Runs while the "box" is up, the way a modal box lets other code run.
    std::function<void(const ShownMessage&)> onShow;
};

class FakeTone final : public ToneService {
public:
    void play(int frequencyHz, int durationMs) override
    {
        frequencies.push_back(frequencyHz);
        durations.push_back(durationMs);
        if (onPlay)
            onPlay(durationMs);
    }

    std::vector<int> frequencies;
    std::vector<int> durations;
    std::function<void(int)> onPlay;
};

// Searches the folders it is given; without any, the working directory alone.
// Tells the outcome at once: `result`.
class FakeDocuments final : public DocumentOpener {
public:
    QStringList searchFolders() const override
    {
        return folders.isEmpty() ? QStringList{QDir::currentPath()} : folders;
    }
    void openDocument(const QString& absolutePath, Outcome outcome) override
    {
        documents << absolutePath;
        outcome(result);
    }
    void openText(const QString& absolutePath, Outcome outcome) override
    {
        texts << absolutePath;
        outcome(result);
    }

    QStringList folders;
    QStringList documents;
    QStringList texts;
    bool result = true;
};

// A clock that never waits: it records every requested pause and keeps the
// pending tick until the test fires it.
class FakeClock final : public PacingClock {
public:
    void start(int ms, std::function<void()> tick) override
    {
        pauses.push_back(ms);
        m_tick = std::move(tick);
    }
    void stop() override
    {
        ++stops;
        m_tick = nullptr;
    }
    bool isActive() const override { return static_cast<bool>(m_tick); }

    // Fires the pending tick, if any; true if one was fired.
    bool fire()
    {
        auto tick = std::exchange(m_tick, nullptr);
        if (!tick)
            return false;
        tick();
        return true;
    }
    // Fires until no tick is pending (or `limit` ticks have fired); returns the
    // number fired.
    int fireAll(int limit = 1'000'000)
    {
        int fired = 0;
        while (fired < limit && fire())
            ++fired;
        return fired;
    }

    std::vector<int> pauses;
    int stops = 0;

private:
    std::function<void()> m_tick;
};

// Answers the save dialog with a path and a filter set by the test (an empty
// path cancels), and records what the window asked.
class FakeFileChooser final : public FileChooser {
public:
    struct Request {
        QString title;
        QString suggestedPath;
        QStringList filters;
    };

    Choice chooseSaveFile(QWidget*, const QString& title, const QString& suggestedPath,
                          const QStringList& filters) override
    {
        requests.push_back({title, suggestedPath, filters});
        if (onChoose)
            onChoose();
        return answer;
    }

    Choice answer;
    std::vector<Request> requests;
    // Runs while the "dialog" is up, the way a modal dialog lets other code run.
    std::function<void()> onChoose;
};

// Keeps the images the window puts on the clipboard.
class FakeClipboard final : public ClipboardService {
public:
    void setImage(const QImage& image) override { images.push_back(image); }

    std::vector<QImage> images;
};

// Counts the exits instead of ending the event loop, which would end every
// later test's event loop in the same process too.
class FakeExit final : public ExitService {
public:
    void exitProgram() override { ++exits; }

    int exits = 0;
};

}  // namespace dryfriction::test
