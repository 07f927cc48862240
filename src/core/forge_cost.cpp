// Cost estimates of a forging: the request's initial one and the result
// window's recalculation over its own texts.
#include "forge_cost.h"

#include "numbers.h"

namespace trivelon {

namespace {

// Resource cost: (200 - r) percent of the total, rounded up. Exact when the
// rate is a plain decimal, so it agrees with the request's own estimate;
// otherwise in extended precision.
Result<std::int32_t> ResourceCost(std::string_view rateText, long double rate, Int128 total, char separator) {
    if (auto exact = ParseExactDecimal(rateText, separator); exact && exact->scale <= 18) {
        Int128 unit = 1;
        for (int i = 0; i < exact->scale; ++i) unit *= 10;
        Int128 share = 0;
        Int128 product = 0;
        if (!__builtin_sub_overflow(200 * unit, exact->mantissa, &share) &&
            !__builtin_mul_overflow(share, total, &product))
            return ToInt32(CeilDiv(product, 100 * unit));
        return Error{kOutOfRangeMessage};
    }
    return Ceil(((200 - rate) / 100) * static_cast<long double>(total));
}

Result<std::int32_t> WeaponCost(long double rate, Int128 total) {
    if (rate == 0) return Error{"Floating point division by zero"};
    auto attempts = Ceil(100 / rate);
    if (!attempts) return Error{attempts.error()};
    return ToInt32(Int128{*attempts} * total);
}

}  // namespace

Result<std::int32_t> InitialForgeCost(const ForgeState& state, char decimalSeparator) {
    Int128 total = state.toolPrice;
    for (const ForgeMaterial& material : state.materials) total += Int128{material.quantity} * material.price;
    total += Int128{state.elementFlag} * state.elementStonePrice + Int128{state.starCrumbCount} * state.starCrumbPrice;
    if (state.toolName == kMiniFurnace) return ResourceCost(state.rateText, state.rate, total, decimalSeparator);
    return WeaponCost(state.rate, total);
}

Result<std::string> RecalculateForgeCost(const ForgeCostSheet& sheet, char decimalSeparator) {
    const std::int32_t prices[5] = {ParseLenientInt(sheet.price[0]), ParseLenientInt(sheet.price[1]),
                                    ParseLenientInt(sheet.price[2]), ParseLenientInt(sheet.elementPrice),
                                    ParseLenientInt(sheet.crumbPrice)};
    const std::string* quantities[5] = {&sheet.quantity[0], &sheet.quantity[1], &sheet.quantity[2],
                                        &sheet.elementQuantity, &sheet.crumbQuantity};

    auto toolQuantity = ParseStrictInt(sheet.toolQuantity);
    if (!toolQuantity) return Error{toolQuantity.error()};
    auto toolPrice = ParseStrictInt(sheet.toolPrice);
    if (!toolPrice) return Error{toolPrice.error()};
    Int128 total = Int128{*toolQuantity} * *toolPrice;
    // Material 1 always counts; the other rows only when they have a price.
    for (std::size_t row = 0; row < 5; ++row) {
        if (row > 0 && prices[row] == 0) continue;
        auto quantity = ParseStrictInt(*quantities[row]);
        if (!quantity) return Error{quantity.error()};
        total += Int128{*quantity} * prices[row];
    }

    auto rate = ParseStrictFloat(sheet.rate, decimalSeparator);
    if (!rate) return Error{rate.error()};
    auto cost = sheet.toolName == kMiniFurnace ? ResourceCost(sheet.rate, *rate, total, decimalSeparator)
                                               : WeaponCost(*rate, total);
    if (!cost) return Error{cost.error()};
    return IntegerText(*cost);
}

ForgeCostSheet SheetOfFilledWindow(const ForgeState& state) {
    // A row the window does not use shows no quantity and keeps its price edit at "0".
    auto quantityText = [](bool used, std::int32_t quantity) { return used ? IntegerText(quantity) : std::string(); };
    auto priceText = [](bool used, std::int32_t price) { return IntegerText(used ? price : 0); };
    ForgeCostSheet sheet;
    sheet.toolName = state.toolName;
    sheet.toolQuantity = quantityText(true, 1);
    sheet.toolPrice = IntegerText(state.toolPrice);
    for (std::size_t i = 0; i < 3; ++i) {
        const ForgeMaterial& material = state.materials[i];
        const bool used = i == 0 || material.quantity > 0;
        sheet.quantity[i] = quantityText(used, material.quantity);
        sheet.price[i] = priceText(used, material.price);
    }
    sheet.elementQuantity = quantityText(state.elementFlag > 0, 1);
    sheet.elementPrice = priceText(state.elementStone != nullptr, state.elementStonePrice);
    sheet.crumbQuantity = quantityText(state.starCrumbCount > 0, state.starCrumbCount);
    sheet.crumbPrice = priceText(state.starCrumbCount > 0, state.starCrumbPrice);
    sheet.rate = state.rateText;
    return sheet;
}

}  // namespace trivelon
