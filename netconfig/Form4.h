#pragma once

#include <QWidget>

namespace korvo {

// The applying window.
class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);
};

} // namespace korvo
