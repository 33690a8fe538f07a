#include "frontend/FrontEnd.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

#include "platform/core/User32.h"

namespace frontend {

FrontEnd::FrontEnd(forms::Runtime& runtime) : runtime_(runtime) {
    runtime_.SetDisplay(this);
    platform::SetWindowSystemHooks({
        .regionChanged =
            [this](platform::HWND window, bool) {
                for (auto& [form, widget] : widgets_)
                    if (form->IsLoaded() && const_cast<forms::Form*>(form)->hWnd() == window)
                        widget->ApplyRegion();
            },
    });
    elapsed_.start();
    connect(&clock_, &QTimer::timeout, this, [this] {
        const qint64 now = elapsed_.elapsed();
        runtime_.Advance(now - advanced_);
        advanced_ = now;
    });
    clock_.start(10);
}

FrontEnd::~FrontEnd() {
    platform::SetWindowSystemHooks({});
    runtime_.SetDisplay(nullptr);
    for (auto& [form, widget] : widgets_)
        delete widget;
}

FormWidget* FrontEnd::WidgetOf(const forms::Form& form) const {
    auto it = widgets_.find(&form);
    return it == widgets_.end() ? nullptr : it->second;
}

void FrontEnd::FormLoaded(forms::Form& form) {
    widgets_[&form] = new FormWidget(form);
}

void FrontEnd::FormShown(forms::Form& form) {
    if (FormWidget* widget = WidgetOf(form)) {
        widget->CentreOnScreen();
        widget->show();
        widget->raise();
        widget->activateWindow();
        QTimer::singleShot(0, widget, &FormWidget::ShowIcon);
    }
}

void FrontEnd::FormHidden(forms::Form& form) {
    if (FormWidget* widget = WidgetOf(form))
        widget->hide();
}

void FrontEnd::FormUnloading(forms::Form& form) {
    auto it = widgets_.find(&form);
    if (it == widgets_.end())
        return;
    // The window may be handling the very event that unloads it: it goes once that is done.
    it->second->Detach();
    it->second->deleteLater();
    widgets_.erase(it);
}

void FrontEnd::FormChanged(forms::Form& form, forms::FormProperty property) {
    FormWidget* widget = WidgetOf(form);
    if (!widget)
        return;
    if (property == forms::FormProperty::WindowState) {
        // 0 normal, 1 minimised, 2 maximised; a hidden window keeps the state for when it shows.
        const Qt::WindowStates kept = widget->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
        const Qt::WindowStates state = form.WindowState() == 1   ? kept | Qt::WindowMinimized
                                       : form.WindowState() == 2 ? kept | Qt::WindowMaximized
                                                                 : kept;
        widget->setWindowState(state);
    } else {
        widget->UpdatePointer();
    }
}

void FrontEnd::ControlChanged(forms::Control& control, forms::Property property) {
    if (FormWidget* widget = WidgetOf(control.Parent()))
        widget->ControlChanged(control, property);
}

void FrontEnd::MoveRequested(forms::Form& form) {
    if (FormWidget* widget = WidgetOf(form))
        widget->StartMove();
}

void FrontEnd::ProgramEnded() {
    clock_.stop();
    for (auto& [form, widget] : widgets_)
        widget->hide();
    if (const auto& error = runtime_.Error()) {
        QString message = QString::fromStdString(error->Message());
        std::fprintf(stderr, "lumitra-dictionary: %s\n", message.simplified().toLocal8Bit().constData());
        QMessageBox::critical(nullptr, QStringLiteral("Lumitra Abbreviation Dictionary"), message);
    }
    const int code = runtime_.ExitCode();
    QMetaObject::invokeMethod(
        qApp, [code] { QApplication::exit(code); }, Qt::QueuedConnection);
}

} // namespace frontend
