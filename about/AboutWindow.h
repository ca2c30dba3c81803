#pragma once
// The about window: the program's name and version, the credits and the
// makers' web address, which opens in the user's web browser. Created each
// time it is shown and discarded when closed.

#include "base/AppContext.h"

#include <QDialog>

class AboutBackground;
class PictureBox;
class QLabel;
class QLineEdit;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // Creates the window and runs its load sequence (caption, version); not shown.
    explicit AboutWindow(const AppContext& context, QWidget* owner = nullptr);

    // Creates the window over `owner`, shows it modally and discards it once
    // the user has closed it.
    static void ShowModal(const AppContext& context, QWidget* owner);

    // The controls, named as the program names them.
    AboutBackground* Background = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label3 = nullptr;   // first credited name
    QLineEdit* Text4 = nullptr; // its e-mail address
    QLabel* Label1 = nullptr;   // second credited name
    QLineEdit* Text2 = nullptr; // its e-mail address
    PictureBox* Label5 = nullptr;  // the makers' web address, as a link
    QLabel* Label4 = nullptr;   // legal notice
    QLabel* Label2 = nullptr;   // graphics credit
    PictureBox* Image1 = nullptr;  // over the words Close Window

public slots:
    void Label5_Click();
    void Image1_Click();

private:
    void CreateControls();
    void Form_Load();

    AppContext m_context;
};
