#include "platform/qt/qt_colour.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <utility>

#include "ui/contrast.h"
#include "ui/form1_design.h"

namespace quire::qt {
namespace {

struct SystemRole {
    int index;
    QPalette::ColorRole role;
    const char* sheetName;
};

// The system colours the window uses, by their platform index.
constexpr SystemRole kSystemRoles[] = {
    {5, QPalette::Base, "base"},                // window background
    {8, QPalette::Text, "text"},                // window text
    {15, QPalette::Button, "button"},           // button face
    {18, QPalette::ButtonText, "button-text"},  // button text
};

const SystemRole* RoleOf(Colour colour) {
    for (const SystemRole& role : kSystemRoles) {
        if (role.index == colour::SystemColourIndex(colour)) return &role;
    }
    return nullptr;
}

}  // namespace

QColor ToQColor(Colour colour) {
    if (colour::IsSystemColour(colour)) {
        const SystemRole* role = RoleOf(colour);
        return QApplication::palette().color(role ? role->role : QPalette::Window);
    }
    return QColor(colour::Red(colour), colour::Green(colour), colour::Blue(colour));
}

QColor ReadableOn(Colour back, Colour text) { return ReadableOn(ToQColor(back), ToQColor(text)); }

QColor ReadableOn(const QColor& back, const QColor& text) {
    const auto plain = [](const QColor& c) {
        return static_cast<Colour>(c.red()) | static_cast<Colour>(c.green()) << 8 |
               static_cast<Colour>(c.blue()) << 16;
    };
    return ToQColor(ReadableText(plain(back), plain(text)));
}

QString SheetColour(Colour colour) {
    if (colour::IsSystemColour(colour)) {
        const SystemRole* role = RoleOf(colour);
        return QStringLiteral("palette(%1)").arg(QLatin1String(role ? role->sheetName : "window"));
    }
    return ToQColor(colour).name(QColor::HexRgb);
}

void UseReadableColours(QWidget& dialog) {
    QPalette palette = dialog.palette();
    for (const auto& [back, text] : {std::pair{QPalette::Window, QPalette::WindowText},
                                     std::pair{QPalette::Base, QPalette::Text},
                                     std::pair{QPalette::Button, QPalette::ButtonText}}) {
        palette.setColor(text, ReadableOn(palette.color(back), palette.color(text)));
    }
    dialog.setPalette(palette);
}

}  // namespace quire::qt
