#include "calculators/pocket_calculator.h"

#include <cmath>

#include "common/numbers.h"
#include "common/text.h"

namespace verdika::calc {
namespace {

double finite(double v) {
    if (!std::isfinite(v)) throw ArithmeticError("Výsledek je mimo rozsah čísel, které kalkulačka zobrazí.");
    return v;
}

}  // namespace

double PocketCalculator::displayNumber() const { return parseDecimal(display_); }

void PocketCalculator::digit(char d) {
    if (clearNext_) {
        display_.clear();
        clearNext_ = false;
    }
    if (decimal_) {
        display_ += ',';
        trace_ += ',';
        decimal_ = false;
    }
    display_ += d;
    trace_ += d;
}

void PocketCalculator::comma() { decimal_ = true; }

void PocketCalculator::operatorKey(char op) {
    if (!pending_.empty()) evaluate();
    pending_ = std::string(1, op);
    trace_ += std::string(" ") + op + " ";
    first_ = displayNumber();
    clearNext_ = true;
}

void PocketCalculator::unary(const char* key, const std::string& traceText) {
    first_ = displayNumber();
    pending_ = key;
    trace_ += traceText;
    evaluate();
}

void PocketCalculator::plusMinus() { unary("+/-", " * (- 1)"); }
void PocketCalculator::square() { unary("sqrt", " * " + display_); }
void PocketCalculator::reciprocal() { unary("1/x", " * ( 1 / (" + display_ + " * " + display_ + " )"); }

void PocketCalculator::evaluate() {
    second_ = displayNumber();
    double result = lastResult_;
    const std::string& p = pending_;
    if (p == "+") {
        result = first_ + second_;
    } else if (p == "-") {
        result = first_ - second_;
    } else if (p == "*") {
        result = first_ * second_;
    } else if (p == "/") {
        if (second_ == 0) throw ArithmeticError("Dělit nulou nelze.");
        result = first_ / second_;
    } else if (p == "+/-") {
        result = -second_;
    } else if (p == "sqrt") {
        result = second_ * second_;
    } else if (p == "%") {
        result = first_ * second_ / 100.0;
    } else if (p == "1/x") {
        if (first_ == 0) throw ArithmeticError("Dělit nulou nelze.");
        result = 1.0 / first_;
    }
    // empty or "=": no new result, the last one is shown again
    lastResult_ = finite(result);
    pending_.clear();
    first_ = 0;
    second_ = 0;
    display_ = Format_Cislo(lastResult_);
    trace_ += " = " + display_;
}

void PocketCalculator::equals() { evaluate(); }

void PocketCalculator::percent() {
    if (pending_.empty()) {
        first_ = displayNumber();
        pending_ = "%";
        trace_ += " ... 100%, ";
        display_.clear();  // the user now types the percentage
        return;
    }
    const double a = displayNumber();
    display_ = Format_Cislo(finite(first_ * a / 100.0));
    if (pending_ == "%") {
        trace_ += "% ... x, x = " + display_;  // the given percentage of the first number
        pending_.clear();
        return;
    }
    trace_ += "% = " + Format_Cislo(first_) + " " + pending_ + " " + display_;
    evaluate();  // with the percentage amount as the second operand: 144 + 20 % = 172,8
}

void PocketCalculator::clear() {
    display_.clear();
    pending_.clear();
    first_ = 0;
    second_ = 0;
    clearNext_ = false;
    decimal_ = false;
    trace_.clear();
}

void PocketCalculator::typed(char32_t c) {
    if (c >= '0' && c <= '9') {
        digit(static_cast<char>(c));
    } else if (c == ',') {
        comma();
    } else if (c == '%') {
        percent();
    } else if (c == '+' || c == '-' || c == '*' || c == '/' || c == '=') {
        first_ = displayNumber();
        clearNext_ = true;
        pending_ = std::string(1, static_cast<char>(c));
        trace_ += std::string(" ") + static_cast<char>(c) + " ";
    }
    // every other character is swallowed
}

void PocketCalculator::backspace() {
    if (trace_.empty()) return;
    size_t n = trace_.size() - 1;
    while (n > 0 && (static_cast<unsigned char>(trace_[n]) & 0xC0) == 0x80) --n;  // a whole UTF-8 letter
    trace_.erase(n);
}

void PocketCalculator::paste(std::string_view clipboardText) {
    display_.clear();
    std::string text = trimmed(clipboardText);
    // Only a number may be pasted; an amount copied from a result field
    // ("1.234,50 Kč") is taken as its plain number.
    if (!Je_Cislo(text)) {
        const auto amount = tryParseAmount(text);
        if (!amount) parseDecimal(text);  // refused with the parser's message
        text = Format_Cislo(*amount);
    }
    // The pasted number is the display's number, like a typed one; it does not
    // replace the first operand of a pending operation (5 + 3 pasted = 8).
    trace_ += text;
    display_ = text;
    clearNext_ = false;
}

void PocketCalculator::keepDisplay() {
    if (display_.empty()) return;  // nothing to keep
    results_.push_back({display_, {}});
    display_.clear();
}

void PocketCalculator::recallSelected() {
    if (selected_ >= 0 && selected_ < static_cast<int>(results_.size()))
        display_ = results_[static_cast<size_t>(selected_)].text;
    if (pending_.empty()) trace_.clear();
    trace_ += " " + display_;
}

void PocketCalculator::recall(int index) {
    if (index >= 0 && index < static_cast<int>(results_.size())) display_ = results_[static_cast<size_t>(index)].text;
}

void PocketCalculator::addResult(std::string_view text, std::string_view description) {
    results_.push_back({std::string(text), std::string(description)});
}

void PocketCalculator::select(int index) {
    selected_ = (index >= 0 && index < static_cast<int>(results_.size())) ? index : -1;
}

void PocketCalculator::deleteSelected() {
    if (selected_ < 0 || selected_ >= static_cast<int>(results_.size())) return;
    results_.erase(results_.begin() + selected_);
    selected_ = results_.empty() ? -1 : 0;
}

void PocketCalculator::deleteAll() {
    results_.clear();
    selected_ = -1;
}

void PocketCalculator::sumResults() {
    double sum = 0;
    for (const auto& r : results_) sum += parseDecimal(r.text);
    display_ = Format_Cislo(finite(sum));
}

std::string PocketCalculator::selectedResult() const {
    if (selected_ < 0 || selected_ >= static_cast<int>(results_.size())) return {};
    return results_[static_cast<size_t>(selected_)].text;
}

}  // namespace verdika::calc
