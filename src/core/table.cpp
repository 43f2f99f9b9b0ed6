#include "core/table.h"

#include "core/formats.h"

double Cell::toDouble() const {
    return std::visit(
        [](const auto& v) -> double {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, std::monostate>) {
                return 0.0;
            } else if constexpr (std::is_same_v<V, double>) {
                return v;
            } else if constexpr (std::is_same_v<V, Currency>) {
                return v.toDouble();
            } else if constexpr (std::is_same_v<V, QDate>) {
                throw RunTimeFailure("a date is not a number");
            } else {
                return readNumber(v);
            }
        },
        m_value);
}

QDate Cell::toDate() const {
    if (const auto* d = std::get_if<QDate>(&m_value)) {
        return *d;
    }
    return {};
}

QString Cell::toText() const {
    return std::visit(
        [](const auto& v) -> QString {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, std::monostate>) {
                return {};
            } else if constexpr (std::is_same_v<V, double>) {
                return QString::number(v, 'g', 15);
            } else if constexpr (std::is_same_v<V, Currency>) {
                return QString::number(v.toDouble(), 'g', 15);
            } else if constexpr (std::is_same_v<V, QDate>) {
                return v.toString(Qt::ISODate);
            } else {
                return v;
            }
        },
        m_value);
}
