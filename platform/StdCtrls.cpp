#include "platform/StdCtrls.h"

#include "platform/Forms.h"
#include "platform/SysUtils.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmapCache>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWheelEvent>

#include <set>

namespace
{

// Key codes of the old keyboard interface for the keys the handlers test.
unsigned short VirtualKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Minus:
        return 189;
    case Qt::Key_Period:
        return 190;
    default:
        if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
            return static_cast<unsigned short>(qtKey);
        return static_cast<unsigned short>(qtKey & 0xFF);
    }
}

int ShiftState(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::AltModifier ? 2 : 0) |
           (m & Qt::ControlModifier ? 4 : 0);
}

class EditWidget : public QLineEdit
{
  public:
    TEdit *owner = nullptr;

  protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        pressed_.insert(e->key());
        QLineEdit::keyPressEvent(e);
        // The old edit control kept its arrow keys: they must not also move a grid it lies on.
        if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)
            e->accept();
    }
    void keyReleaseEvent(QKeyEvent *e) override
    {
        QLineEdit::keyReleaseEvent(e);
        if (e->isAutoRepeat() || !pressed_.erase(e->key()) || !owner)
            return;
        unsigned short key = VirtualKey(e->key());
        const int shift = ShiftState(e->modifiers());
        FireEvent(owner->OnKeyUp, owner, key, shift);
    }
    void focusOutEvent(QFocusEvent *e) override
    {
        pressed_.clear();
        QLineEdit::focusOutEvent(e);
        // Raised once the click that moved the focus is done: a message box shown by the handler
        // in the middle of it would swallow the release and leave the clicked button down.
        if (owner && e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason &&
            e->reason() != Qt::MenuBarFocusReason)
            QTimer::singleShot(0, this, [this] {
                WhenMouseUp(this, [this] {
                    if (owner)
                        FireEvent(owner->OnExit, owner);
                });
            });
    }

  private:
    std::set<int> pressed_;
};

class ComboBox : public QComboBox
{
  public:
    TComboBox *owner = nullptr;
    void showPopup() override
    {
        if (owner)
            FireEvent(owner->OnDropDown, owner);
        open_ = true;
        // Ahead of the list's own filter, which picks the current item on Enter and on a release.
        view()->installEventFilter(this);
        view()->viewport()->installEventFilter(this);
        QComboBox::showPopup();
    }
    // Qt also calls this whenever the combo is hidden (and so while its window is destroyed); only
    // the closing of an open list is a close-up.
    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (owner && open_) {
            open_ = false;
            FireEvent(owner->OnCloseUp, owner);
        }
    }

  protected:
    // The open list picks only a highlighted item (by the arrow keys, the pointer, or the list opening
    // on it). Its view makes its first item current, not highlighted, when it takes the focus, and
    // Enter would pick that one: with none highlighted Enter closes the list, and Up or Down
    // highlights the current item first.
    bool eventFilter(QObject *o, QEvent *e) override
    {
        QAbstractItemView *list = view();
        const bool onList = o == list || o == list->viewport();
        if (!onList || !isVisible())
            return QComboBox::eventFilter(o, e);
        auto *k = e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress
                      ? static_cast<QKeyEvent *>(e)
                      : nullptr;
        // Alt+Up closes the list as Alt+Down does, picking nothing; the view would step up.
        if (k && e->type() == QEvent::KeyPress && k->key() == Qt::Key_Up &&
            (k->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier) {
            hidePopup();
            return true;
        }
        const QModelIndex current = list->currentIndex();
        if (current.isValid() && list->selectionModel()->isSelected(current))
            return QComboBox::eventFilter(o, e);
        if (k) {
            if (k->key() == Qt::Key_Enter || k->key() == Qt::Key_Return) {
                k->accept();
                hidePopup();
                return true;
            }
            if (e->type() == QEvent::KeyPress && current.isValid() && !(k->modifiers() & Qt::AltModifier) &&
                (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down)) {
                list->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
                return true;
            }
        }
        // A moving pointer highlights the item under it, also the current one. A release with none
        // highlighted (that of the click that opened the list) would pick the current one.
        if (o == list->viewport() && e->type() == QEvent::MouseMove) {
            const QModelIndex under = list->indexAt(static_cast<QMouseEvent *>(e)->position().toPoint());
            if (under.isValid())
                list->setCurrentIndex(under);
        }
        if (o == list->viewport() && e->type() == QEvent::MouseButtonRelease)
            return true;
        return QComboBox::eventFilter(o, e);
    }
    // A list that picks only in its open list: keys and the wheel over the closed combo do not step
    // through the items; F4, Space and Alt+Up/Down open it. Qt's own handling is not asked, since
    // it steps to the previous item on Alt+Up.
    void keyPressEvent(QKeyEvent *e) override
    {
        if (!owner || !owner->PickOnlyInOpenList) {
            QComboBox::keyPressEvent(e);
            return;
        }
        const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
        const bool opens =
            ((e->key() == Qt::Key_F4 || e->key() == Qt::Key_Space) && mods == Qt::NoModifier) ||
            ((e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) && mods == Qt::AltModifier);
        if (!opens) {
            e->ignore();
            return;
        }
        e->accept();
        showPopup();
    }
    void wheelEvent(QWheelEvent *e) override
    {
        if (owner && owner->PickOnlyInOpenList) {
            e->ignore();
            return;
        }
        QComboBox::wheelEvent(e);
    }
    // An edit field is costly to build and most combos are made lists before they are ever shown;
    // one that stays csDropDown gets its field here.
    void showEvent(QShowEvent *e) override
    {
        if (owner && owner->Style() == csDropDown && !isEditable())
            setEditable(true);
        QComboBox::showEvent(e);
    }

  private:
    bool open_ = false;
};

// A label that reports clicks, as the old static text did.
class LabelWidget : public QLabel
{
  public:
    TLabel *owner = nullptr;

  protected:
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        QLabel::mouseReleaseEvent(e);
        if (owner && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            owner->Click();
    }
};

class SplitterBar : public QWidget
{
  public:
    TSplitter *owner = nullptr;

  protected:
    void mousePressEvent(QMouseEvent *e) override { last_ = e->globalPosition().toPoint(); }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        if (!(e->buttons() & Qt::LeftButton) || !owner || !owner->Parent())
            return;
        const QPoint now = e->globalPosition().toPoint();
        TControl *before = nullptr;
        for (TControl *c : owner->Parent()->Controls()) {
            if (c == owner)
                break;
            if (c->Align() == owner->Align() && c->Visible())
                before = c;
        }
        if (before) {
            if (owner->Align() == alLeft)
                before->SetWidth(std::max(30, before->Width() + now.x() - last_.x()));
            else if (owner->Align() == alTop)
                before->SetHeight(std::max(30, before->Height() + now.y() - last_.y()));
            owner->Parent()->AlignControls();
        }
        last_ = now;
    }

  private:
    QPoint last_;
};

} // namespace

TPanel::TPanel(TComponent *owner) : TWinControl(owner, new AlignHost<QFrame>())
{
    static_cast<AlignHost<QFrame> *>(widget_.data())->host = this;
}

void TPanel::SetBevel(TBevelKind bevel)
{
    auto *frame = static_cast<QFrame *>(widget_.data());
    frame->setFrameShape(bevel == bvNone ? QFrame::NoFrame : QFrame::Panel);
    frame->setFrameShadow(bevel == bvLowered ? QFrame::Sunken : QFrame::Raised);
}

namespace
{

// A number as QPixmap::load writes it into its cache keys: each byte, lowest first, as two hex
// digits, low nibble first.
template <typename T> QString CacheKeyHex(T value)
{
    static const char digits[] = "0123456789abcdef";
    QString text;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        const auto byte = static_cast<unsigned>((value >> (8 * i)) & 0xff);
        text += QLatin1Char(digits[byte & 0xf]);
        text += QLatin1Char(digits[byte >> 4]);
    }
    return text;
}

// The Fusion style draws a group box's frame from a picture it loads by file name, and loading by
// name asks every picture-format plugin whether it reads the file, loading them all. Reading the
// picture as PNG directly and putting it in the pixmap cache under the key that QPixmap::load looks
// up spares that; should the key ever differ, the style simply loads the picture itself. The cache
// may drop the picture again, so each new group box puts it back if it is gone.
void CacheGroupBoxFrame()
{
    struct Frame {
        QString key;
        QImage image;
    };
    static const Frame frame = [] {
        const QFileInfo info(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
        if (!info.exists())
            return Frame{};
        QImageReader reader(info.filePath(), "png");
        reader.setAutoDetectImageFormat(false);
        return Frame{QLatin1String("qt_pixmap") + info.absoluteFilePath() +
                         CacheKeyHex(static_cast<uint>(info.lastModified().toSecsSinceEpoch())) +
                         CacheKeyHex(static_cast<quint64>(info.size())) + CacheKeyHex(0u),
                     reader.read()};
    }();
    QPixmap cached;
    if (!frame.image.isNull() && !QPixmapCache::find(frame.key, &cached))
        QPixmapCache::insert(frame.key, QPixmap::fromImage(frame.image));
}

} // namespace

TGroupBox::TGroupBox(TComponent *owner) : TWinControl(owner, new AlignHost<QGroupBox>())
{
    CacheGroupBoxFrame();
    box_ = static_cast<QGroupBox *>(widget_.data());
    static_cast<AlignHost<QGroupBox> *>(box_)->host = this;
}

AnsiString TGroupBox::Caption() const
{
    return box_->title().toStdString();
}
void TGroupBox::SetCaption(const AnsiString &text)
{
    box_->setTitle(QString::fromStdString(text));
}

TLabel::TLabel(TComponent *owner) : TControl(owner, new LabelWidget())
{
    label_ = static_cast<QLabel *>(widget_.data());
    static_cast<LabelWidget *>(label_)->owner = this;
}

void TLabel::Click()
{
    FireEvent(OnClick, this);
}

AnsiString TLabel::Caption() const
{
    return label_->text().toStdString();
}
void TLabel::SetCaption(const AnsiString &text)
{
    label_->setText(QString::fromStdString(text));
}

void TLabel::SetAlignment(TAlignment a)
{
    label_->setAlignment((a == taCenter         ? Qt::AlignHCenter
                          : a == taRightJustify ? Qt::AlignRight
                                                : Qt::AlignLeft) |
                         Qt::AlignVCenter);
}

void TLabel::SetBevel(TBevelKind bevel)
{
    label_->setFrameShape(bevel == bvNone ? QFrame::NoFrame : QFrame::Panel);
    label_->setFrameShadow(bevel == bvLowered ? QFrame::Sunken : QFrame::Raised);
}

void TLabel::SetWordWrap(bool wrap)
{
    label_->setWordWrap(wrap);
}

TEdit::TEdit(TComponent *owner) : TWinControl(owner, new EditWidget())
{
    edit_ = static_cast<QLineEdit *>(widget_.data());
    static_cast<EditWidget *>(edit_)->owner = this;
    QObject::connect(edit_, &QLineEdit::textEdited, [this] { FireEvent(OnChange, this); });
}

AnsiString TEdit::Text() const
{
    return edit_->text().toStdString();
}
void TEdit::SetText(const AnsiString &text)
{
    ReportedText.clear();
    edit_->setText(QString::fromStdString(text));
}

void TMemoLines::changed()
{
    memo_->scheduleSync();
}

namespace
{
// Brings a memo that changed while it was hidden up to date when it shows.
class MemoWidget : public QPlainTextEdit
{
  public:
    std::function<void()> onShow;

  protected:
    void showEvent(QShowEvent *e) override
    {
        if (fontPending_) {
            fontPending_ = false;
            document()->setDefaultFont(font());
        }
        if (onShow)
            onShow();
        QPlainTextEdit::showEvent(e);
    }
    // A font set while hidden reaches the document when the memo shows: laying the document out in
    // it at once would load the font for a page that may never be opened.
    void changeEvent(QEvent *e) override
    {
        if (e->type() == QEvent::FontChange && !isVisible()) {
            fontPending_ = true;
            QAbstractScrollArea::changeEvent(e);
            return;
        }
        QPlainTextEdit::changeEvent(e);
    }

  private:
    bool fontPending_ = false;
};
} // namespace

TMemo::TMemo(TComponent *owner) : TWinControl(owner, new MemoWidget())
{
    edit_ = static_cast<QPlainTextEdit *>(widget_.data());
    static_cast<MemoWidget *>(edit_)->onShow = [this] {
        if (syncPending_)
            Sync();
    };
    edit_->setReadOnly(false);
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
}

void TMemo::SetReadOnly(bool ro)
{
    edit_->setReadOnly(ro);
}
void TMemo::SetWordWrap(bool wrap)
{
    edit_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

// The text is laid out once when the event loop next runs, and not at all while the memo is hidden
// (a calculation writes hundreds of lines to a page that is not shown).
void TMemo::scheduleSync()
{
    if (syncPending_)
        return;
    syncPending_ = true;
    QPointer<QPlainTextEdit> guard(edit_);
    QTimer::singleShot(0, edit_, [this, guard] {
        if (guard && syncPending_ && edit_->isVisible())
            Sync();
    });
}

// Only the lines after the first that differs from what the widget shows are replaced: a
// calculation run again writes mostly the same lines, and laying out a long text is costly.
void TMemo::Sync()
{
    syncPending_ = false;
    const std::vector<AnsiString> &lines = Lines.Items();
    QTextDocument *doc = edit_->document();
    size_t same = 0;
    if (!doc->isModified()) // else the user has typed into it: shown_ no longer says what it shows
        while (same < shown_.size() && same < lines.size() && shown_[same] == lines[same])
            ++same;
    if (same == shown_.size() && same == lines.size()) {
        edit_->verticalScrollBar()->setValue(edit_->verticalScrollBar()->maximum());
        return;
    }
    QString tail;
    for (size_t i = same; i < lines.size(); ++i) {
        if (i > 0)
            tail += '\n';
        tail += QString::fromStdString(lines[i]);
    }
    if (same == 0) {
        edit_->setPlainText(tail);
        doc->setModified(false);
    } else {
        // From the end of the last line kept (its line break included) to the end of the text.
        QTextCursor cursor(doc);
        const QTextBlock last = doc->findBlockByNumber(static_cast<int>(same) - 1);
        cursor.beginEditBlock();
        cursor.setPosition(last.position() + last.length() - 1);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.insertText(tail);
        cursor.endEditBlock();
        doc->setModified(false);
    }
    shown_ = lines;
    edit_->verticalScrollBar()->setValue(edit_->verticalScrollBar()->maximum());
}

void TComboItems::changed()
{
    combo_->syncItems();
}

TComboBox::TComboBox(TComponent *owner) : TWinControl(owner, new ComboBox())
{
    combo_ = static_cast<QComboBox *>(widget_.data());
    static_cast<ComboBox *>(combo_)->owner = this;
    QObject::connect(combo_, &QComboBox::activated, [this](int) { FireEvent(OnChange, this); });
}

void TComboBox::syncItems()
{
    const QSignalBlocker block(combo_);
    const int keep = combo_->currentIndex();
    // Only the items past the first that differs are replaced: a list filled one Add at a time
    // would otherwise be rebuilt from scratch for every item.
    const std::vector<AnsiString> &items = Items.Items();
    size_t same = 0;
    while (static_cast<size_t>(combo_->count()) == shownItems_.size() && same < items.size() &&
           same < shownItems_.size() && items[same] == shownItems_[same])
        ++same;
    if (same == 0)
        combo_->clear();
    while (static_cast<size_t>(combo_->count()) > same)
        combo_->removeItem(combo_->count() - 1);
    for (size_t i = same; i < items.size(); ++i)
        combo_->addItem(QString::fromStdString(items[i]));
    shownItems_ = items;
    // The old control drops the selection when its items change; Clear then Add ends with none.
    combo_->setCurrentIndex(keep < Items.Count() && Items.Count() > 0 && keep >= 0 ? keep : -1);
    if (Items.Count() == 0)
        combo_->setCurrentIndex(-1);
}

int TComboBox::ItemIndex() const
{
    return combo_->currentIndex();
}

void TComboBox::SetItemIndex(int i)
{
    const QSignalBlocker block(combo_);
    combo_->setCurrentIndex(i >= 0 && i < Items.Count() ? i : -1);
}

AnsiString TComboBox::Text() const
{
    return combo_->currentText().toStdString();
}

void TComboBox::SetStyle(TComboBoxStyle style)
{
    style_ = style;
    if (style == csDropDownList || combo_->isVisible())
        combo_->setEditable(style == csDropDown);
}

void TComboBox::SetDropDownCount(int n)
{
    combo_->setMaxVisibleItems(n);
}

void TComboBox::SetPlaceholder(const AnsiString &text)
{
    combo_->setPlaceholderText(QString::fromStdString(text));
}

void TComboBox::SelectNumber(const std::vector<AnsiString> &numbers, const AnsiString &text)
{
    double value = 0, number = 0;
    int item = -1;
    if (TryStrToFloat(text, value))
        for (size_t i = 0; item < 0 && i < numbers.size(); ++i)
            if (TryStrToFloat(numbers[i], number) && number == value)
                item = static_cast<int>(i);
    SetItemIndex(item);
    SetPlaceholder(text);
}

void TComboBox::UserSelect(int i)
{
    SetItemIndex(i);
    FireEvent(OnChange, this);
}

TCheckBox::TCheckBox(TComponent *owner) : TWinControl(owner, new QCheckBox())
{
    box_ = static_cast<QCheckBox *>(widget_.data());
    QObject::connect(box_, &QCheckBox::clicked, [this] { FireEvent(OnClick, this); });
}

bool TCheckBox::Checked() const
{
    return box_->isChecked();
}

void TCheckBox::SetChecked(bool v)
{
    if (box_->isChecked() == v)
        return;
    {
        const QSignalBlocker block(box_);
        box_->setChecked(v);
    }
    FireEvent(OnClick, this);
}

AnsiString TCheckBox::Caption() const
{
    return box_->text().toStdString();
}
void TCheckBox::SetCaption(const AnsiString &text)
{
    box_->setText(QString::fromStdString(text));
}

TButton::TButton(TComponent *owner) : TWinControl(owner, new QPushButton())
{
    button_ = static_cast<QPushButton *>(widget_.data());
    button_->setAutoDefault(false);
    QObject::connect(button_, &QPushButton::clicked, [this] { Click(); });
}

AnsiString TButton::Caption() const
{
    return button_->text().toStdString();
}
void TButton::SetCaption(const AnsiString &text)
{
    button_->setText(QString::fromStdString(text));
}
void TButton::SetDefault(bool d)
{
    button_->setDefault(d);
}
bool TButton::Default() const
{
    return button_->isDefault();
}

void TButton::Click()
{
    if (ModalResult != 0) {
        for (TComponent *c = Owner(); c; c = c->Owner())
            if (auto *form = dynamic_cast<TForm *>(c)) {
                form->SetModalResult(ModalResult);
                break;
            }
    }
    FireEvent(OnClick, this);
}

TSplitter::TSplitter(TComponent *owner) : TControl(owner, new SplitterBar())
{
    static_cast<SplitterBar *>(widget_.data())->owner = this;
    widget_->setCursor(Qt::SplitHCursor);
}

TScrollBox::TScrollBox(TComponent *owner) : TWinControl(owner, new QScrollArea())
{
    area_ = static_cast<QScrollArea *>(widget_.data());
    inner_ = new QWidget();
    area_->setWidget(inner_);
    area_->setWidgetResizable(false);
}

void TScrollBox::SetRange(int width, int height)
{
    inner_->resize(width, height);
}
