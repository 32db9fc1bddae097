#include "search/find.h"

#include <algorithm>

qsizetype findRow(qsizetype n, const std::function<QString(qsizetype)>& cellAt, const QString& term)
{
    if (n <= 1)
        return -1;
    auto cmp = [&](qsizetype row) { return cellAt(row).compare(term, Qt::CaseInsensitive); };
    const qsizetype last = n - 1;
    qsizetype g = last / 2;
    qsizetype step = g;
    for (;;) {
        step = std::max<qsizetype>(1, step / 2);
        const int c = cmp(g);
        if (c < 0) {
            if (g + 1 > last)
                return last;
            if (cmp(g + 1) > 0)
                return g + 1;
            g = std::min(last, g + step);
        } else if (c == 0) {
            return g;
        } else {
            if (g - 1 < 0)
                return 0;
            if (cmp(g - 1) < 0)
                return g;
            g = std::max<qsizetype>(0, g - step);
        }
    }
}

bool termContains(const QString& term, const QString& text)
{
    return !text.isEmpty() && term.contains(text, Qt::CaseInsensitive);
}
