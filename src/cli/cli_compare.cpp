// refine --compare: the levels an item is offered at with their prices, and
// the roads from each of them to the target set side by side.
#include <algorithm>
#include <vector>

#include <QJsonArray>
#include <QRegularExpression>

#include "cli_common.h"
#include "core/typed_sum.h"

namespace trivelon::cli {

namespace {

int CompareUsage(const QString& problem) {
    return UsageError("--compare takes levels with their prices, such as \"+0=150000,+4=300к,+10=90кк\": " + problem);
}

std::optional<std::int32_t> AnyLevel(const std::string& text, const RefineRules& rules) {
    if (auto level = ParseLevel(text, rules, LevelKind::Current)) return level;
    return ParseLevel(text, rules, LevelKind::Target);
}

}  // namespace

std::optional<std::vector<RefineOffer>> ReadOffers(const QString& text, const RefineRules& rules,
                                                   std::int32_t targetLevel) {
    // A comma parts two offers only where a level and "=" follow it, so that
    // a price may keep its decimal comma ("1,5кк").
    static const QRegularExpression kNextOffer(QStringLiteral(R"(,(?=\s*\+?\d+\s*=))"));
    std::vector<RefineOffer> offers;
    for (const QString& part : text.split(kNextOffer)) {
        const qsizetype equals = part.indexOf('=');
        if (equals < 0) {
            CompareUsage(QString("\"%1\" gives no level=price").arg(part));
            return std::nullopt;
        }
        const auto level = AnyLevel(CoreText(part.left(equals)), rules);
        if (!level || *level > targetLevel) {
            CompareUsage(
                QString("\"%1\" is no level from +0 to %2").arg(part.left(equals), QtText(LevelText(targetLevel))));
            return std::nullopt;
        }
        for (const RefineOffer& offer : offers)
            if (offer.level == *level) {
                CompareUsage(QString("%1 is offered twice").arg(QtText(LevelText(*level))));
                return std::nullopt;
            }
        const TypedSum price = ReadTypedSum(CoreText(part.mid(equals + 1)), {});
        if (price.reading != TypedSum::Reading::Zeny) {
            CompareUsage(QString("\"%1\" is no sum of Zeny").arg(part.mid(equals + 1)));
            return std::nullopt;
        }
        offers.push_back({*level, price.zeny});
    }
    std::sort(offers.begin(), offers.end(), [](const auto& a, const auto& b) { return a.level < b.level; });
    return offers;
}

void AddComparison(const RefineComparison& comparison, QJsonObject& result) {
    QJsonArray roads;
    for (const RefineRoad& road : comparison.roads)
        roads.append(QJsonObject{
            {"from", QtText(LevelText(road.offer.level))},
            {"item_price", static_cast<qint64>(road.offer.itemPrice)},
            {"expected", ExpectedJson(road.expected)},
            {"budget", road.plan ? RefineBudgetJson(road.plan->budget, road.plan->tryCost) : QJsonValue()},
        });
    result["compare"] = roads;
    result["cheapest"] = comparison.cheapest
                             ? QJsonValue(QtText(LevelText(comparison.roads[*comparison.cheapest].offer.level)))
                             : QJsonValue();
}

}  // namespace trivelon::cli
