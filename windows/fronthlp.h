#pragma once
// The windows layer: the help reader and the about window, the windows of the Help
// menu. Uses the shell and core layers.

#include <memory>
#include <optional>
#include <string>

#include <QWidget>

class QLabel;
class QTextEdit;

namespace Ui {
class Helpful;
}

namespace pocketrix {

class DeferredStart;
class ErrorRule;

// One topic of the help reader: its name (its button's caption), the files of its
// elements, relative to the current directory, or null where the element keeps its reset state.
struct HelpTopic {
    const char* name;
    const char* heading;
    const char* firstPicture;
    const char* firstText;
    const char* secondPicture;
    const char* secondText;
};

// The help reader: one topic at a time from the files in "frontend/", a heading, a
// picture, a text, a second picture and a second text stacked in a white scroll box.
// `ScrollBox1` the box holding `Memo1` the heading, `Image1`, `Memo2`, `Image2` and
// `Memo3`; `Button1` to `Button6` the topics Introduction, Programs, System, Calendar,
// World Time and Alarm Clock; `Bevel1` the sunken panel they sit in.
class THelpful : public QWidget {
    Q_OBJECT
public:
    // The Introduction is read once the main window is on screen.
    THelpful(ErrorRule& errors, DeferredStart& start);
    ~THelpful() override;

    void FormCreate(QObject* sender);
    void Button1Click(QObject* sender);
    void Button2Click(QObject* sender);
    void Button3Click(QObject* sender);
    void Button4Click(QObject* sender);
    void Button5Click(QObject* sender);
    void Button6Click(QObject* sender);
    void ChangeFile(QObject* sender);
    void AdjustSpacing(QObject* sender);

    // The lines a memo displays after word wrap at its width.
    static int displayedLines(QTextEdit* memo);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The texts of a topic as read, before they are put into the memos.
    struct TopicTexts {
        std::optional<QString> heading, first, second;
    };
    void loadTopic(const HelpTopic& topic);
    TopicTexts readTopic(const HelpTopic& topic);
    void showTopic(const TopicTexts& read, bool complete);
    void fitScrollRange();
    // The Introduction as read at creation, laid out when the window first shows.
    std::optional<TopicTexts> m_pendingIntroduction;
    bool m_topicChosen = false; // a topic button was pressed

    std::unique_ptr<Ui::Helpful> ui;
    ErrorRule& m_errors;
    DeferredStart& m_start;
};

// Loads a picture file into an image, which then takes the picture's size. On any
// failure the image keeps the picture it had.
void loadPicture(QLabel* image, const std::string& path);

} // namespace pocketrix
