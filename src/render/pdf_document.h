#pragma once
// A PDF document of flowing text and tables: the paper, margins, fonts and footer every document
// of the program shares. Needs a QGuiApplication (the offscreen platform will do).

#include <functional>
#include <string>
#include <string_view>

#include <QFont>
#include <QString>

#include "chart/horoscope.h"
#include "model/language.h"
#include "render/page_flow.h"

namespace grahavani {

inline constexpr std::string_view ProgramName = "Grahavani 2.05";

// Latin text in DejaVu Sans, Devanagari in Lohit Devanagari, Tamil in Noto Sans Tamil.
QFont DocumentFont();

// UTF-8 text as Qt's.
QString DocumentText(std::string_view text);
// `english` in `language` as the core's catalogue holds it under `context`, as Qt's text.
QString DocumentText(Language language, std::string_view context, std::string_view english);

// The file's bytes: `title` in the document's information, `fill` laying out its pages, and on
// each page the footer "Grahavani 2.05 · <footerName> · Page N of M" in `language`.
std::string PdfDocument(Paper paper, Language language, const QString& title, const QString& footerName,
                        const std::function<void(PageFlow&)>& fill);

}  // namespace grahavani
