#pragma once

#include "app/triext/MessageBox.h"

#include <QString>

#include <vector>

// Answers every message box with OK while it lives and keeps what was shown,
// so that a test can check the text, the icon and the owning window.
class MessageBoxRecorder {
public:
    struct Box {
        QWidget* owner;
        QString text;
        MessageBox::Icon icon;
        MessageBox::Buttons buttons;
    };

    MessageBoxRecorder()
    {
        MessageBox::ResetRecord();
        MessageBox::SetHandler(
            [this](QWidget* owner, const QString& text, MessageBox::Icon icon, MessageBox::Buttons buttons) {
                boxes.push_back({ owner, text, icon, buttons });
                return MessageBox::Answer::Ok;
            });
    }
    ~MessageBoxRecorder() { MessageBox::SetHandler(nullptr); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<Box> boxes;
};
