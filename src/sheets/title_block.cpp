// Title block fields: the rows of the block and what each field says.
#include "sheets/title_block.h"

#include "geometry/numbers.h"

#include <ctime>

namespace murcad {

std::vector<TitleBlockField> titleBlockFields(const PaperRect &b, const TitleBlockContent &c) {
    const float row = b.height / 3;
    auto box = [&](float x0, float x1, int r) {
        return PaperRect{b.x + x0, b.y + r * row, x1 - x0, row};
    };
    std::string file = c.wallFile;
    std::size_t slash = file.find_last_of("/\\");
    if (slash != std::string::npos)
        file = file.substr(slash + 1);
    std::string sheet = "Tavola " + std::to_string(c.sheet) + " di " + std::to_string(c.sheetCount);
    return {
        {box(0, 130, 0), "Progetto", c.texts.Project, 4.5f, false},
        {box(130, 180, 0), "Data", c.date, 3.5f, false},
        {box(0, 90, 1), "File parete", file, 3.5f, false},
        {box(90, 130, 1), "", "Parete n." + signedText(c.wallNumber), 4.0f, true},
        {box(130, 180, 1), "", "Scala " + scaleText(c.scale), 4.5f, true},
        {box(0, 50, 2), "Disegnato", c.texts.DrawnBy, 3.5f, false},
        {box(50, 100, 2), "Verificato", c.texts.CheckedBy, 3.5f, false},
        {box(100, 130, 2), "Revisione", c.texts.Revision, 3.5f, false},
        {box(130, 180, 2), "", sheet, 4.0f, true},
    };
}

std::string todayText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[16];
    std::strftime(buf, sizeof buf, "%d/%m/%Y", &local);
    return buf;
}

} // namespace murcad
