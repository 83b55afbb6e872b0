// The applying window: shows that a configuration is being applied, then its outcome.
#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;
class QPushButton;

namespace korvo {

// A picture box: draws its picture at the top-left corner, or scaled into the box.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent, bool scaled);
    const QPixmap& picture() const { return Picture; }
    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap Picture;
    bool Scaled;
};

class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    // The states an apply goes through. Texts are given with CR line ends.
    void ShowPrepared();
    void ShowWorking();
    void ShowInvalid(const QString& resultText, const QString& resultValues);
    void ShowApplied(const QString& resultText, const QString& resultValues);
    // The address is applied but the service refused other settings: the values and the refusals.
    void ShowRefused(const QString& resultText, const QString& resultValues);
    void ShowServiceError(const QString& resultText);

    // The project's own pictures, 200 x 178.
    static QPixmap tickPicture();
    static QPixmap crossPicture();

    QPushButton* Command1 = nullptr;
    PictureBox* Picture3 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    PictureBox *Picture1 = nullptr, *Picture2 = nullptr;

signals:
    // "Ok" or the close box: the main window takes over again.
    void dismissed();
    // The close box: the window goes away for good; the next apply makes a new one.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
    // The design's places, with the panel, the window and the button moved by what a long text needs.
    void placeControls(int extraWidth, int extraHeight);
    void showOutcome(const QString& caption, const QString& resultText, const QString* resultValues,
                     const QPixmap& picture);
};

} // namespace korvo
