#include "frontend/FormWidget.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QToolTip>
#include <QWindow>

#include <functional>
#include <limits>
#include <vector>

#include "forms/Placement.h"
#include "forms/Runtime.h"
#include "frontend/LabelText.h"
#include "frontend/Look.h"
#include "frontend/Pictures.h"
#include "platform/core/User32.h"

namespace frontend {
namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToUtf8(const QString& text) {
    QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString Resource(std::string_view path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

// A list that holds one selected item: the row the runtime holds, which is also the view's current
// row. Ctrl and Shift with a click or a key act as they do without, and a release away from the
// current row selects no other. Only the left button chooses: the others leave the choice alone.
class OneChoiceList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (Chooses(event))
            QListWidget::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (Chooses(event))
            QListWidget::mouseDoubleClickEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (event->buttons() == Qt::NoButton || Chooses(event))
            QListWidget::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (Chooses(event))
            QListWidget::mouseReleaseEvent(event);
    }
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override {
        if (!index.isValid() ||
            (event && event->type() == QEvent::MouseButtonRelease && index != currentIndex()))
            return QItemSelectionModel::NoUpdate;
        const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
        if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
            return QItemSelectionModel::ClearAndSelect | (flags & QItemSelectionModel::Rows);
        return flags;
    }

private:
    // Taken here rather than passed on, so that the window behind does not take it as its own.
    static bool Chooses(QMouseEvent* event) {
        event->accept();
        return event->button() == Qt::LeftButton || (event->buttons() & Qt::LeftButton);
    }
};

// The caret of a one-line box as the runtime counts it: the start of the selection, if any.
int CaretOf(const QLineEdit& line) {
    return line.hasSelectedText() ? line.selectionStart() : line.cursorPosition();
}

// A one-line box that the keyboard's focus leaves as it is: the toolkit would select its whole
// text, so that the first key replaced it; here the caret stands where the runtime has it.
class OneLineBox : public QLineEdit {
public:
    OneLineBox(QWidget* parent, std::function<int()> caret) : QLineEdit(parent), caret_(std::move(caret)) {}

protected:
    void focusInEvent(QFocusEvent* event) override {
        const Qt::FocusReason reason = event->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
            reason != Qt::ShortcutFocusReason) {
            QLineEdit::focusInEvent(event);
            return;
        }
        QFocusEvent quiet(QEvent::FocusIn, Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&quiet);
        setCursorPosition(caret_());
    }

private:
    std::function<int()> caret_;
};

} // namespace

FormWidget::FormWidget(forms::Form& form)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), form_(&form) {
    const forms::FormDesign& design = form.Design();
    const float tx = form.App().TwipsPerPixelX(), ty = form.App().TwipsPerPixelY();
    setFixedSize(static_cast<int>(design.clientWidth / tx + 0.5f),
                 static_cast<int>(design.clientHeight / ty + 0.5f));
    setWindowTitle(Resource(design.caption));
    if (!design.picture.empty())
        background_ = Picture(design.picture);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A list or text box gets its widget when it is first shown: most wait hidden for a choice.
    for (const auto& control : form.Controls())
        if (control->IsWindowed() && control->Visible())
            CreateWindowedControl(*control);
    Restack();
}

void FormWidget::ShowIcon() {
    if (form_ && !form_->Design().icon.empty() && windowIcon().isNull())
        setWindowIcon(Icon(form_->Design().icon));
}

void FormWidget::Restack() {
    // Windowed controls stack in the order they come, the first one in front.
    const auto& controls = form_->Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        if (QWidget* widget = WidgetOf(**it))
            widget->raise();
}

FormWidget::~FormWidget() = default;

void FormWidget::Detach() {
    form_ = nullptr;
    widgets_.clear();
    controlsOf_.clear();
    hide();
}

float FormWidget::TwipsX(int x) const {
    return static_cast<float>(x) * form_->App().TwipsPerPixelX();
}
float FormWidget::TwipsY(int y) const {
    return static_cast<float>(y) * form_->App().TwipsPerPixelY();
}

QRect FormWidget::PixelBox(const forms::Control& c) const {
    const float tx = form_->App().TwipsPerPixelX(), ty = form_->App().TwipsPerPixelY();
    const int x1 = static_cast<int>(c.Left() / tx + 0.5f), y1 = static_cast<int>(c.Top() / ty + 0.5f);
    const int x2 = static_cast<int>((c.Left() + c.Width()) / tx + 0.5f);
    const int y2 = static_cast<int>((c.Top() + c.Height()) / ty + 0.5f);
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

QWidget* FormWidget::WidgetOf(const forms::Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

void FormWidget::CreateWindowedControl(forms::Control& control) {
    const forms::ControlDesign& d = control.Design();
    QWidget* widget = nullptr;
    if (control.Kind() == forms::ControlKind::ListBox) {
        auto* list = new OneChoiceList(this);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        // Items wider than the list are cut at its edge, as a list box does; only rows scroll.
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setTextElideMode(Qt::ElideNone);
        connect(list, &QListWidget::currentRowChanged, this, [this, &control](int row) {
            if (!syncing_ && form_)
                form_->App().SelectItem(control, row);
        });
        widget = list;
    } else if (!d.multiLine) {
        auto* line = new OneLineBox(this, [this, &control] { return form_ ? control.SelStart() : 0; });
        line->setFrame(d.borderStyle != 0);
        line->setMaxLength(std::numeric_limits<int>::max()); // a box takes as much text as it is given
        connect(line, &QLineEdit::textEdited, this, [this, line, &control](const QString& text) {
            if (!syncing_ && form_)
                form_->App().TypeText(control, ToUtf8(text), CaretOf(*line));
        });
        // A move of the caret alone. Within an edit (an undo, say) the box moves its caret before it
        // tells its new text, which then carries the caret.
        auto caretMoved = [this, line, &control] {
            if (!syncing_ && form_ && ToUtf8(line->text()) == control.Text())
                form_->App().MoveCaret(control, CaretOf(*line));
        };
        connect(line, &QLineEdit::cursorPositionChanged, this, caretMoved);
        connect(line, &QLineEdit::selectionChanged, this, caretMoved);
        widget = line;
    } else {
        auto* box = new QTextEdit(this);
        box->setReadOnly(d.locked);
        box->setAcceptRichText(false);
        box->setLineWrapMode(d.scrollBars == 1 ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
        box->setHorizontalScrollBarPolicy(d.scrollBars & 1 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(d.scrollBars & 2 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        widget = box;
    }
    widget->setFont(IsSutonnyMj(d.font) ? SutonnyMjDisplayFont(d.font) : ToQFont(d.font, control.FontBold()));
    widget->setToolTip(Resource(d.toolTip));
    widget->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        area->viewport()->installEventFilter(this);
        controlsOf_[area->viewport()] = &control;
    }
    widgets_[&control] = widget;
    controlsOf_[widget] = &control;
    ApplyBoxPointer(widget);
    widget->setGeometry(PixelBox(control));
    SyncWidget(control);
}

void FormWidget::SyncWidget(forms::Control& control) {
    QWidget* widget = WidgetOf(control);
    if (!widget)
        return;
    const QSignalBlocker blocker(widget);
    syncing_ = true;
    widget->setGeometry(PixelBox(control));
    widget->setVisible(control.Visible());
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, ToQColor(control.ForeColor()));
    widget->setPalette(palette);
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        while (list->count() < control.ListCount())
            list->addItem(FromUtf8(control.List(list->count())));
        // Through the view's own current index, so that focus entering the list later does not
        // make a row current that the runtime never chose.
        if (control.ListIndex() < 0)
            list->clearSelection();
        list->setCurrentIndex(control.ListIndex() >= 0 ? list->model()->index(control.ListIndex(), 0)
                                                       : QModelIndex());
        if (control.ListIndex() >= 0)
            list->scrollToItem(list->item(control.ListIndex()));
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        const QString text = FromUtf8(control.Text());
        if (line->text() != text)
            line->setText(text);
        // The runtime keeps the caret; the box's own moves reach it as they happen.
        if (CaretOf(*line) != control.SelStart())
            line->setCursorPosition(control.SelStart());
    } else if (auto* box = qobject_cast<QTextEdit*>(widget)) {
        const QString text = IsSutonnyMj(control.Design().font) ? SutonnyMjDisplayText(control.Text())
                                                                : FromUtf8(control.Text());
        if (box->toPlainText() != text) {
            box->setPlainText(text);
            if (control.Design().alignment == forms::Alignment::Center) {
                box->selectAll();
                box->setAlignment(Qt::AlignHCenter);
                box->moveCursor(QTextCursor::Start);
            }
        }
    }
    syncing_ = false;
}

void FormWidget::ControlChanged(forms::Control& control, forms::Property) {
    if (!form_)
        return;
    if (control.IsWindowed()) {
        if (!WidgetOf(control) && control.Visible()) {
            CreateWindowedControl(control);
            Restack();
            UpdatePointer();
        }
        SyncWidget(control);
    } else
        update();
}

void FormWidget::ApplyRegion() {
    if (!form_)
        return;
    const platform::HRGN region = platform::WindowRegion(form_->hWnd());
    if (region == 0) {
        clearMask(); // no outline: the whole window shows
        return;
    }
    // The spans come row by row and left to right, never touching: a region as it stands.
    std::vector<QRect> rows;
    for (const platform::RegionSpan& span : platform::RegionSpans(region))
        rows.emplace_back(span.x1, span.y, span.x2 - span.x1, 1);
    QRegion mask;
    mask.setRects(rows.data(), static_cast<int>(rows.size()));
    setMask(mask);
}

void FormWidget::CentreOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !form_)
        return;
    // The whole screen, panels and all, as a window centred at start-up stands on it.
    const QRect area = screen->geometry();
    const forms::FormDesign& design = form_->Design();
    const forms::PixelPoint at =
        forms::CentredOnScreen(area.width(), area.height(), design.clientWidth, design.clientHeight,
                               form_->App().TwipsPerPixelX(), form_->App().TwipsPerPixelY());
    move(area.topLeft() + QPoint(at.x, at.y));
}

void FormWidget::StartMove() {
    // The window manager's move ends when the left button is released, whichever button began it;
    // a move begun by another button, or with no window manager, the window makes itself, for as
    // long as that button is held.
    if (pressedButton_ == Qt::LeftButton && windowHandle() && windowHandle()->startSystemMove())
        return;
    movingByHand_ = true;
    moveButton_ = pressedButton_;
    moveStartPointer_ = pressedAt_;
    moveStartWindow_ = pos();
}

QCursor FormWidget::PointerOf(int pointer, std::string_view icon, int hotX, int hotY) {
    switch (pointer) {
    case 1:
        return Qt::ArrowCursor;
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    case 15:
        return Qt::SizeAllCursor;
    case 99: {
        if (icon.empty())
            return Qt::ArrowCursor;
        // One picture may serve as a cursor with a hot spot of its own and as an icon.
        const std::string key = std::string(icon) + '@' + std::to_string(hotX) + ',' + std::to_string(hotY);
        auto it = cursors_.find(key);
        if (it == cursors_.end()) {
            const QPixmap picture = PointerPicture(icon);
            // A cursor picture carries its hot spot; an icon used as a pointer is held at its centre.
            const int x = hotX >= 0 ? hotX : picture.width() / 2;
            const int y = hotY >= 0 ? hotY : picture.height() / 2;
            it = cursors_.emplace(key, picture.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(picture, x, y))
                     .first;
        }
        return it->second;
    }
    default:
        return Qt::ArrowCursor;
    }
}

void FormWidget::UpdatePointer() {
    if (!form_)
        return;
    const int windowPointer = form_->MousePointer();
    PointerChoice choice{.pointer = windowPointer};
    // A control's own pointer shows while the pointer is over it, unless the window is busy.
    if (windowPointer != 11 && rect().contains(lastPointer_)) {
        if (const forms::Control* c = form_->ControlAt(TwipsX(lastPointer_.x()), TwipsY(lastPointer_.y()));
            c && !c->IsWindowed() && c->Design().mousePointer != 0) {
            const forms::ControlDesign& d = c->Design();
            choice = {d.mousePointer, d.mouseIcon, d.mouseIconHotX, d.mouseIconHotY};
        }
    }
    if (choice != shownPointer_) {
        shownPointer_ = choice;
        setCursor(PointerOf(choice.pointer, choice.icon, choice.hotX, choice.hotY));
    }
    const bool busy = windowPointer == 11;
    if (busy != busy_) {
        busy_ = busy;
        for (auto& [control, widget] : widgets_)
            ApplyBoxPointer(widget);
    }
}

void FormWidget::ApplyBoxPointer(QWidget* widget) {
    // A busy window shows the busy pointer over its lists and boxes too; otherwise each keeps its
    // own: the text pointer over a box's text, the arrow over a list.
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    if (busy_) {
        widget->setCursor(Qt::WaitCursor);
        if (area)
            area->viewport()->setCursor(Qt::WaitCursor);
    } else if (qobject_cast<QLineEdit*>(widget)) {
        widget->setCursor(Qt::IBeamCursor);
    } else if (qobject_cast<QTextEdit*>(widget)) {
        widget->unsetCursor();
        area->viewport()->setCursor(Qt::IBeamCursor);
    } else {
        widget->unsetCursor();
        if (area)
            area->viewport()->unsetCursor();
    }
}

void FormWidget::PaintControl(QPainter& p, const forms::Control& c) {
    const forms::ControlDesign& d = c.Design();
    const QRect box = PixelBox(c);
    switch (c.Kind()) {
    case forms::ControlKind::Label: {
        if (d.backStyle == 1)
            p.fillRect(box, ToQColor(d.backColor));
        const LabelText text(FromUtf8(c.Caption()), ToQFont(d.font, c.FontBold()), box.width(), d.alignment,
                             d.wordWrap);
        // A label shows nothing of its caption beyond its own box.
        p.save();
        p.setClipRect(box, Qt::IntersectClip);
        p.setPen(ToQColor(c.ForeColor()));
        text.Draw(p, box.topLeft());
        p.restore();
        break;
    }
    case forms::ControlKind::Image: {
        const QPixmap picture = Picture(d.picture);
        if (d.stretch)
            p.drawPixmap(box, picture);
        else
            p.drawPixmap(box.topLeft(), picture);
        if (c.BorderStyle() == 1) {
            // The pressed look: a crisp one-pixel line on the picture's outermost pixels.
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
        }
        break;
    }
    case forms::ControlKind::Shape: {
        const int w = std::max(1, d.borderWidth);
        p.setPen(QPen(ToQColor(c.BorderColor()), w));
        p.setBrush(Qt::NoBrush);
        QRectF r = QRectF(box).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0);
        const int kind = c.Shape();
        if (kind == 1 || kind == 3 || kind == 5) {
            const double side = std::min(r.width(), r.height());
            r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        }
        if (kind == 2 || kind == 3)
            p.drawEllipse(r);
        else if (kind == 4 || kind == 5)
            p.drawRoundedRect(r, std::min(8.0, r.height() / 3), std::min(8.0, r.height() / 3));
        else
            p.drawRect(r);
        break;
    }
    default:
        break;
    }
}

void FormWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x24, 0x02, 0x04));
    if (!form_)
        return;
    p.drawPixmap(0, 0, background_);
    p.setRenderHint(QPainter::Antialiasing);
    const auto& controls = form_->Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        if (!(*it)->IsWindowed() && (*it)->Visible())
            PaintControl(p, **it);
}

void FormWidget::SendButton(QEvent::Type type, QPoint at) {
    if (!form_)
        return;
    forms::Runtime& rt = form_->App();
    const float x = TwipsX(at.x()), y = TwipsY(at.y());
    if (type == QEvent::MouseButtonPress)
        rt.MouseDown(*form_, x, y);
    else if (type == QEvent::MouseButtonDblClick)
        rt.MouseDoubleClick(*form_, x, y); // the runtime tells it from a plain press
    else
        rt.MouseUp(*form_, x, y);
}

void FormWidget::mousePressEvent(QMouseEvent* e) {
    pressedButton_ = e->button();
    pressedAt_ = e->globalPosition().toPoint();
    SendButton(e->type(), e->position().toPoint());
}

void FormWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    mousePressEvent(e);
}

void FormWidget::mouseMoveEvent(QMouseEvent* e) {
    if (movingByHand_) {
        if (e->buttons() & moveButton_) {
            move(moveStartWindow_ + (e->globalPosition().toPoint() - moveStartPointer_));
            return;
        }
        movingByHand_ = false; // its release went elsewhere
    }
    lastPointer_ = e->position().toPoint();
    if (form_)
        form_->App().MouseMove(*form_, TwipsX(lastPointer_.x()), TwipsY(lastPointer_.y()));
    UpdatePointer();
}

void FormWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == moveButton_)
        movingByHand_ = false;
    SendButton(e->type(), e->position().toPoint());
}

void FormWidget::closeEvent(QCloseEvent* e) {
    // Closing from the window manager unloads the window, as the program's own hand-overs do.
    e->ignore();
    if (form_) {
        forms::Form* form = form_;
        form->App().Dispatch([form] { form->Unload(); });
    }
}

bool FormWidget::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && form_) {
        auto* help = static_cast<QHelpEvent*>(e);
        const forms::Control* c = form_->ControlAt(TwipsX(help->pos().x()), TwipsY(help->pos().y()));
        if (c && !c->Design().toolTip.empty())
            QToolTip::showText(help->globalPos(), Resource(c->Design().toolTip), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

bool FormWidget::eventFilter(QObject* watched, QEvent* e) {
    const QEvent::Type type = e->type();
    if (form_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                  type == QEvent::MouseButtonRelease)) {
        // A list's or box's own presses and releases of the left button reach the runtime as well,
        // which raises the control's events (a box's Click, a double-click) from them. A scroll
        // area's pointer events arrive through its viewport.
        auto* mouse = static_cast<QMouseEvent*>(e);
        auto it = controlsOf_.find(watched);
        if (it != controlsOf_.end() && mouse->button() == Qt::LeftButton &&
            !qobject_cast<QAbstractScrollArea*>(watched)) {
            SendButton(type, static_cast<QWidget*>(watched)->mapTo(this, mouse->position().toPoint()));
        }
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace frontend
