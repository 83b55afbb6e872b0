#pragma once

#include <QWidget>

namespace korvo {

class Form1;

// The terms acceptance window shown on the first start.
class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(Form1* mainWindow);

private:
    Form1* Main;
};

} // namespace korvo
