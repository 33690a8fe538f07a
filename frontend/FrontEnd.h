#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <map>

#include "forms/Runtime.h"
#include "frontend/FormWidget.h"

namespace frontend {

// Shows the runtime's windows on the screen and keeps them in step with it, and drives the
// runtime's clock in real time.
class FrontEnd : public QObject, public forms::Display {
    Q_OBJECT
public:
    explicit FrontEnd(forms::Runtime& runtime);
    ~FrontEnd() override;

    // The screen window of a loaded form, or nullptr.
    FormWidget* WidgetOf(const forms::Form& form) const;

    void FormLoaded(forms::Form& form) override;
    void FormShown(forms::Form& form) override;
    void FormHidden(forms::Form& form) override;
    void FormUnloading(forms::Form& form) override;
    void FormChanged(forms::Form& form, forms::FormProperty property) override;
    void ControlChanged(forms::Control& control, forms::Property property) override;
    void MoveRequested(forms::Form& form) override;
    void ProgramEnded() override;

private:
    forms::Runtime& runtime_;
    std::map<const forms::Form*, FormWidget*> widgets_;
    QTimer clock_;
    QElapsedTimer elapsed_;
    qint64 advanced_ = 0;
};

} // namespace frontend
