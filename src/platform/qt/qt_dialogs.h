// Message boxes as QMessageBox: no icon and OK, no icon and Yes/No, warning and OK.
#pragma once

#include <QColor>
#include <QString>
#include <optional>

#include "app/dialogs.h"
#include "ui/colour.h"

class QWidget;

namespace quire::qt {

// The platform draws a lone carriage return as a line break; Qt needs line feeds for that.
QString DisplayText(const std::string& text);

class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget& owner) : owner_(owner) {}

    BoxAnswer ShowMessage(const std::string& text, const std::string& caption,
                          BoxStyle style) override;

    // The face of every later box; nothing keeps the desktop's look.
    void SetFace(std::optional<Colour> face) { face_ = face; }

private:
    QWidget& owner_;
    std::optional<Colour> face_;
};

}  // namespace quire::qt
