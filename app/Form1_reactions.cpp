#include "app/Form1.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace korvo {

void Form1::connectReactions() {}

void Form1::NameBox_Change(int) {}
void Form1::List_Click(int) {}
void Form1::Check2_Click() {}
void Form1::Check3_Click() {}
void Form1::SSTab2_GotFocus() {}
void Form1::Command9_Click() {}
void Form1::Picture10_Click() {}
void Form1::Command10_Click() {}
void Form1::Picture9_Click() {}
void Form1::ShowHelp() {}

void Form1::closeEvent(QCloseEvent* event) {
    Env.terminate();
    event->ignore();
}

void Form1::keyPressEvent(QKeyEvent* event) { QWidget::keyPressEvent(event); }

bool Form1::eventFilter(QObject* watched, QEvent* event) { return QWidget::eventFilter(watched, event); }

} // namespace korvo
