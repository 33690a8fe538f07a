#pragma once

#include <QCursor>
#include <QEvent>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <map>
#include <optional>
#include <string_view>

#include "forms/Form.h"

namespace frontend {

// The screen window of one loaded form: its background and windowless controls painted in
// stacking order, its lists and text boxes as real widgets kept in step with the runtime, and the
// user's pointer entering the runtime as the events it raises.
class FormWidget : public QWidget {
    Q_OBJECT
public:
    explicit FormWidget(forms::Form& form);
    ~FormWidget() override;

    forms::Form* Form() const { return form_; }
    // The form is unloading: its controls are about to go, and this window with them.
    void Detach();
    void ControlChanged(forms::Control& control, forms::Property property);
    void ApplyRegion();
    void StartMove();
    void CentreOnScreen();
    // Gives the window its icon; the taskbar's picture can wait for the window's first frame.
    void ShowIcon();
    // Shows the pointer that the window and the control under the pointer ask for.
    void UpdatePointer();

    // The widget that shows a windowed control, for tests.
    QWidget* WidgetOf(const forms::Control& control) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A press, double-click or release of a button at a point of the window, to the runtime.
    void SendButton(QEvent::Type type, QPoint at);
    float TwipsX(int x) const;
    float TwipsY(int y) const;
    QRect PixelBox(const forms::Control& control) const;
    void CreateWindowedControl(forms::Control& control);
    void Restack();
    void ApplyBoxPointer(QWidget* widget);
    void SyncWidget(forms::Control& control);
    void PaintControl(QPainter& painter, const forms::Control& control);
    QCursor PointerOf(int pointer, std::string_view icon, int hotX, int hotY);

    forms::Form* form_;
    QPixmap background_;
    std::map<const forms::Control*, QWidget*> widgets_;
    std::map<QObject*, forms::Control*> controlsOf_;
    std::map<std::string, QCursor> cursors_;
    // The pointer the window shows: its own, or that of the control under the pointer.
    struct PointerChoice {
        int pointer = 0;
        std::string_view icon = {};
        int hotX = -1;
        int hotY = -1;
        bool operator==(const PointerChoice&) const = default;
    };
    std::optional<PointerChoice> shownPointer_;
    bool busy_ = false;
    QPoint lastPointer_{-1, -1};
    bool syncing_ = false;
    Qt::MouseButton pressedButton_ = Qt::NoButton; // the button and screen point of the last press
    QPoint pressedAt_;
    bool movingByHand_ = false;
    Qt::MouseButton moveButton_ = Qt::NoButton;
    QPoint moveStartPointer_;
    QPoint moveStartWindow_;
};

} // namespace frontend
