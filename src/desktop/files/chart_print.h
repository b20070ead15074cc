#pragma once
// Printing a window's picture on one page.

#include <optional>

#include <QString>

class QPrinter;
class QWidget;

namespace grahavani {

// Paints the widget as it shows on screen onto one page, scaled to fit the printable
// area and centred on it. Returns the reason of a failure, or nothing.
std::optional<QString> PrintOnOnePage(QWidget& widget, QPrinter& printer);

}  // namespace grahavani
