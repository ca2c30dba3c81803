#pragma once
// The BBCode assistant: builds a link, an image, a plain list or a numbered
// list from the fields the user fills in, shows the result live in
// `lblOutput`, and on Agree puts it into the post in place of the selection.
//
// The main window keeps one assistant and shows it modally for each use,
// after setting `AssistCommand`. Every showing starts from the designed state
// of the controls and then runs `Form_Load`; closing runs `Form_Unload`.

#include <QDialog>
#include <QString>
#include <array>
#include <string>

class DialogBackground;
class PictureBox;
class PostDocument;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class BBCodeAssistant : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("BBCode Assistant");

    BBCodeAssistant(PostDocument& post, QWidget* owner);

    // Which construct is built: "url", "img", "list" or "list="; set before
    // showing, switched between "list" and "list=" by "Numbered:".
    QString AssistCommand;

    // The window state the output is built from (UTF-8, the fields' LF line
    // breaks); emptied when the window closes.
    std::string LinkName;    // a copy of `txtLinkName`
    std::string LinkTarget;  // "=" + `txtLinkAddress`, or empty
    std::string ListBody;    // "  [*]" + item, for every item of `List1`

    // Rebuilds `ListBody` from `List1`, then runs `UpdateOutput`.
    void UpdateList();
    // Recomputes `lblOutput` from the state.
    void UpdateOutput();

    // The controls, named as the program names them.
    DialogBackground* Background = nullptr;
    QGroupBox* framUrl = nullptr;
    QLabel* Label1 = nullptr;  // "Link Name:"
    QLineEdit* txtLinkName = nullptr;
    QLabel* Label2 = nullptr;  // "Link Address:"
    QLineEdit* txtLinkAddress = nullptr;
    QGroupBox* framImg = nullptr;
    QLabel* Label4 = nullptr;  // "Image Address:"
    QLineEdit* txtImgAddress = nullptr;
    QGroupBox* framList = nullptr;
    QLabel* Label5 = nullptr;  // "List Title:"
    QLineEdit* txtTitle = nullptr;
    QLabel* Label6 = nullptr;  // "add List item:"
    QPlainTextEdit* txtItem = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdRemove = nullptr;
    QListWidget* List1 = nullptr;
    QCheckBox* Check1 = nullptr;  // "Numbered:"
    QFrame* Frame1 = nullptr;
    std::array<QRadioButton*, 4> Option1{};  // elements 1 to 3; element 0 does not exist
    QLabel* Label3 = nullptr;                // "Output:"
    QLabel* lblOutput = nullptr;
    PictureBox* imgAgree = nullptr;
    PictureBox* imgClose = nullptr;

public slots:
    void txtLinkName_Change();
    void txtLinkAddress_Change();
    void txtImgAddress_Change();
    void txtTitle_Change();
    void Check1_Click();
    void Option1_Click(int Index);
    void cmdAdd_Click();
    void cmdRemove_Click();
    void imgAgree_Click();
    void imgClose_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QGroupBox* CreatePage(const QString& name, const QString& caption);
    void ResetControls();
    void BringToFront(QGroupBox* page);
    void SetOutput(const QString& text);
    void Form_Load();
    void Form_Unload();
    void lblOutput_MouseMove();

    PostDocument& m_post;
    bool m_loaded = false;  // Form_Load has run for the current showing
};
