#include "assist/MoreEmoticonsWindow.h"

#include "base/PictureBox.h"
#include "assist/AssistText.h"
#include "assist/DialogBackground.h"
#include "assist/ExtraEmoticonTable.h"
#include "base/Utf8.h"
#include "board/SmileyPictures.h"
#include "post/PostDocument.h"
#include "render/EmoticonTable.h"

#include <QGridLayout>
#include <QImageReader>
#include <QScrollArea>

namespace {

constexpr int HeaderHeight = 26;

QRect ToRect(const ExtraEmoticons::Area& a) { return QRect(a.left, a.top, a.width, a.height); }

// The picture's first frame, which is its still image when the file holds an
// animation; fitted into `size` when drawn at another size.
QPixmap StillPicture(const QString& file, const QSize& size)
{
    QImageReader reader(file);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.size() != size)
        image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(image);
}

}  // namespace

MoreEmoticonsWindow::MoreEmoticonsWindow(const AppContext& context, PostDocument& post, std::vector<BoardSmiley> boardSmilies, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_context(context), m_post(post), m_boardSmilies(std::move(boardSmilies))
{
    setObjectName(QStringLiteral("MoreEmoticonsWindow"));
    setWindowTitle(Caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ExtraEmoticons::ClientWidth, ExtraEmoticons::ClientHeight);
    CreateControls();
}

void MoreEmoticonsWindow::CreateControls()
{
    Background = new DialogBackground(DialogBackground::Icon::Emoticons, QStringLiteral("Emoticons"), HeaderHeight, this);
    Background->setObjectName(QStringLiteral("Background"));
    Background->setGeometry(0, 0, ExtraEmoticons::ClientWidth, ExtraEmoticons::ClientHeight);
    Background->SetSurface(Qt::white);
    Background->AddLink(ToRect(ExtraEmoticons::CloseWindowArea), QStringLiteral("Close Window"));

    if (!m_boardSmilies.empty())
        CreateBoardPictures();
    for (int index = 0; m_boardSmilies.empty() && index < static_cast<int>(Image1.size()); ++index) {
        const ExtraEmoticons::Picture& row = ExtraEmoticons::Pictures[static_cast<size_t>(index)];
        const QString code = ToQString(row.code);
        auto* picture = new PictureBox(Background);
        picture->setObjectName(QStringLiteral("Image1_%1").arg(index));
        picture->setProperty("Index", index);
        // The text a click inserts.
        picture->setProperty("Tag", ToQString(*AssistText::ExtraEmoticonText(index)));
        picture->setGeometry(ToRect(row.area));
        const QString file = m_context.PictureFile(
            QStringLiteral("emo/%1.gif").arg(ToQString(bbcode::PictureNameOf(row.code))));
        picture->setPixmap(StillPicture(file, picture->size()));
        picture->setToolTip(code);
        picture->setAccessibleName(code);
        picture->SetHandCursor();
        connect(picture, &PictureBox::clicked, this, [this, index] { Image1_Click(index); });
        Image1[static_cast<size_t>(index)] = picture;
    }

    Image2 = new PictureBox(Background);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(ToRect(ExtraEmoticons::CloseWindowArea));
    Image2->setAccessibleName(QStringLiteral("Close"));
    Image2->SetHandCursor();
    connect(Image2, &PictureBox::clicked, this, &MoreEmoticonsWindow::Image2_Click);
}

void MoreEmoticonsWindow::CreateBoardPictures()
{
    // The room between the header and Close Window, scrolled when the board
    // offers more smilies than it holds.
    auto* scroll = new QScrollArea(Background);
    scroll->setObjectName(QStringLiteral("BoardSmilies"));
    scroll->setGeometry(4, HeaderHeight + 4, ExtraEmoticons::ClientWidth - 8,
                        ExtraEmoticons::CloseWindowArea.top - HeaderHeight - 8);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setSpacing(6);
    constexpr int Columns = 10;
    const QSize fit(40, 40);
    for (size_t index = 0; index < m_boardSmilies.size(); ++index) {
        const BoardSmiley& smiley = m_boardSmilies[index];
        auto* picture = new PictureBox(grid);
        picture->setObjectName(QStringLiteral("BoardSmiley_%1").arg(index));
        const QPixmap pixmap = SmileyPictures::Picture(smiley, fit);
        if (pixmap.isNull())
            picture->setText(ToQString(smiley.code));
        else
            picture->setPixmap(pixmap);
        picture->setAlignment(Qt::AlignCenter);
        const QString name = ToQString(smiley.title.empty() ? smiley.code : smiley.title);
        picture->setToolTip(name + QStringLiteral("  ") + ToQString(smiley.code));
        picture->setAccessibleName(name);
        picture->setProperty("Tag", ToQString(" " + smiley.code + " "));
        picture->SetHandCursor();
        connect(picture, &PictureBox::clicked, this, [this, code = smiley.code] {
            m_post.ReplaceSelection(AssistText::AfterSelection(m_post.SelectedText(), " " + code + " "));
        });
        layout->addWidget(picture, int(index) / Columns, int(index) % Columns);
        BoardPictures.push_back(picture);
    }
    // The pictures sit at the top left on the window's white surface.
    layout->setRowStretch(layout->rowCount(), 1);
    layout->setColumnStretch(Columns, 1);
    scroll->setWidget(grid);
    scroll->viewport()->setAutoFillBackground(false);
    grid->setAutoFillBackground(false);
}

void MoreEmoticonsWindow::Image1_Click(int Index)
{
    if (const std::optional<std::string> text = AssistText::ExtraEmoticonText(Index))
        m_post.ReplaceSelection(AssistText::AfterSelection(m_post.SelectedText(), *text));
}

void MoreEmoticonsWindow::Image2_Click() { close(); }
