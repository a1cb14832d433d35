#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, so that tests can
// answer it in advance instead of waiting on a modal loop. Boxes always carry
// the caption "Ordovan" and are owned by the window the user works in.
class MessageBox {
public:
    enum class Icon { Stop, Warning, Information, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    static Answer Show(QWidget* owner, const QString& text, Icon icon, Buttons buttons = Buttons::Ok);

    // For tests: the next box is not shown; it is recorded and given this answer.
    static void SetNextAnswer(Answer answer);
    // For tests: whatever shows a box while no answer is queued is handed to
    // this handler instead (null restores real boxes).
    using Handler = std::function<Answer(QWidget* owner, const QString& text, Icon icon, Buttons buttons)>;
    static void SetHandler(Handler handler);
    // For tests: the text of the last box that went through here, and how many.
    static QString GetLastText();
    static int GetShownCount();
    static void ResetRecord();
};
