// SPDX-License-Identifier: MIT
#include "assist/MoreEmoticonsWindow.h"

#include "base/PictureBox.h"
#include "assist/AssistText.h"
#include "assist/DialogBackground.h"
#include "assist/ExtraEmoticonTable.h"
#include "base/Utf8.h"
#include "board/SmileyPictures.h"
#include "post/PostDocument.h"
#include "board/classic/EmoticonTable.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QImageReader>
#include <QScrollArea>

namespace {

constexpr int HeaderHeight = 26;

QRect ToRect(const ExtraEmoticons::Area& a) { return QRect(a.left, a.top, a.width, a.height); }

// What a screen reader calls a picture: its code's word ("party" for
// ":party:"), the neutral face for ":|".
QString NameOf(std::string_view code)
{
    QString name = ToQString(code);
    if (name == QLatin1String(":|"))
        return MoreEmoticonsWindow::tr("neutral");
    name.remove(QLatin1Char(':'));
    return name;
}

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

MoreEmoticonsWindow::MoreEmoticonsWindow(const AppContext& context, PostDocument& post,
                                         std::vector<BoardSmiley> boardSmilies, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_context(context), m_post(post), m_boardSmilies(std::move(boardSmilies))
{
    setObjectName(QStringLiteral("MoreEmoticonsWindow"));
    setWindowTitle(tr("Extra Emoticons"));
    setAttribute(Qt::WA_DeleteOnClose);
    CreateControls();
}

void MoreEmoticonsWindow::CreateControls()
{
    background = new DialogBackground(DialogBackground::Icon::Emoticons, tr("Emoticons"), HeaderHeight, this);
    background->setObjectName(QStringLiteral("background"));
    background->SetSurface(Qt::white);

    // The pictures lie where they were drawn, on a sheet as large as the
    // room above Close Window: the pictures are fixed in size, so the sheet is too.
    const QRect closeArea = ToRect(ExtraEmoticons::CloseWindowArea);
    auto* sheet = new QWidget(background);
    sheet->setObjectName(QStringLiteral("pictureSheet"));
    sheet->setFixedSize(ExtraEmoticons::ClientWidth, closeArea.top());
    QWidget* pictures = m_boardSmilies.empty() ? sheet : CreateBoardPictures();
    for (int index = 0; m_boardSmilies.empty() && index < static_cast<int>(emoticonPictures.size()); ++index) {
        const ExtraEmoticons::Picture& row = ExtraEmoticons::Pictures[static_cast<size_t>(index)];
        const QString code = ToQString(row.code);
        auto* picture = new PictureBox(sheet);
        picture->setObjectName(QStringLiteral("emoticonPicture_%1").arg(index));
        picture->setProperty("index", index);
        // The text a click inserts.
        picture->setProperty("insertedText", ToQString(*AssistText::ExtraEmoticonText(index)));
        picture->setGeometry(ToRect(row.area));
        const QString file =
            m_context.PictureFile(QStringLiteral("emo/%1.gif").arg(ToQString(bbcode::PictureNameOf(row.code))));
        picture->setPixmap(StillPicture(file, picture->size()));
        picture->setToolTip(code);
        picture->setAccessibleName(NameOf(row.code));
        picture->SetHandCursor();
        connect(picture, &PictureBox::clicked, this, [this, index] { insertEmoticon(index); });
        emoticonPictures[static_cast<size_t>(index)] = picture;
    }

    closeHotSpot = new PictureBox(background);
    closeHotSpot->setObjectName(QStringLiteral("closeHotSpot"));
    closeHotSpot->setAccessibleName(tr("Close"));
    closeHotSpot->SetHandCursor();
    const QString closeWords = tr("Close Window");
    closeHotSpot->setFixedSize(closeArea.size().expandedTo(DialogBackground::LinkSize(closeWords)));
    background->AddLink(closeHotSpot, closeWords);
    connect(closeHotSpot, &PictureBox::clicked, this, &MoreEmoticonsWindow::close);

    // The sheet (or the board's smilies in its place), and Close Window
    // below it along the bottom edge.
    auto* content = new QVBoxLayout(background);
    content->setContentsMargins(0, 0, 0, ExtraEmoticons::ClientHeight - closeArea.bottom() - 1);
    content->setSpacing(0);
    content->addWidget(pictures);
    auto* closeRow = new QHBoxLayout;
    closeRow->addSpacing(closeArea.left());
    closeRow->addWidget(closeHotSpot);
    closeRow->addStretch();
    content->addLayout(closeRow);
    if (pictures != sheet)
        sheet->hide();
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(background);
    window->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* MoreEmoticonsWindow::CreateBoardPictures()
{
    // The room between the header and Close Window, scrolled when the board
    // offers more smilies than it holds.
    auto* room = new QWidget(background);
    room->setFixedSize(ExtraEmoticons::ClientWidth, ExtraEmoticons::CloseWindowArea.top);
    auto* scroll = new QScrollArea(room);
    scroll->setObjectName(QStringLiteral("boardSmilies"));
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
        picture->setObjectName(QStringLiteral("boardSmiley_%1").arg(index));
        const QPixmap pixmap = SmileyPictures::Picture(smiley, fit);
        if (pixmap.isNull())
            picture->setText(ToQString(smiley.code));
        else
            picture->setPixmap(pixmap);
        picture->setAlignment(Qt::AlignCenter);
        const QString name = ToQString(smiley.title.empty() ? smiley.code : smiley.title);
        picture->setToolTip(name + QStringLiteral("  ") + ToQString(smiley.code));
        picture->setAccessibleName(name);
        picture->setProperty("insertedText", ToQString(" " + smiley.code + " "));
        picture->SetHandCursor();
        connect(picture, &PictureBox::clicked, this, [this, code = smiley.code] {
            m_post.ReplaceSelection(AssistText::AfterSelection(m_post.SelectedText(), " " + code + " "));
        });
        layout->addWidget(picture, int(index) / Columns, int(index) % Columns);
        boardPictures.push_back(picture);
    }
    // The pictures sit at the top left on the window's white surface.
    layout->setRowStretch(layout->rowCount(), 1);
    layout->setColumnStretch(Columns, 1);
    scroll->setWidget(grid);
    scroll->viewport()->setAutoFillBackground(false);
    grid->setAutoFillBackground(false);
    return room;
}

void MoreEmoticonsWindow::insertEmoticon(int index)
{
    if (const std::optional<std::string> text = AssistText::ExtraEmoticonText(index))
        m_post.ReplaceSelection(AssistText::AfterSelection(m_post.SelectedText(), *text));
}
