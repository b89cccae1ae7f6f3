#include "platform/core/rc_expression.h"

#include <limits>
#include <utility>

namespace {

// Binary operators by precedence level, lowest first.
const wchar_t* const kLevels[][4] = {
    {L"||", nullptr}, {L"&&", nullptr}, {L"|", nullptr}, {L"^", nullptr}, {L"&", nullptr},
    {L"==", L"!=", nullptr}, {L"<", L">", L"<=", L">="}, {L"<<", L">>", nullptr},
    {L"+", L"-", nullptr}, {L"*", L"/", L"%", nullptr},
};
constexpr int kLevelCount = static_cast<int>(sizeof(kLevels) / sizeof(kLevels[0]));

const wchar_t* MatchOperator(const CRcToken& t, int level) {
    if (t.kind != CRcToken::Punct) return nullptr;
    for (const wchar_t* op : kLevels[level]) {
        if (op && t.text == op) return op;
    }
    return nullptr;
}

}  // namespace

CRcExpression::CRcExpression(CRcTokenStream& in, Lookup lookup) : m_in(in), m_lookup(std::move(lookup)) {}

bool CRcExpression::Evaluate(long long& value) { return Binary(0, value); }

bool CRcExpression::EvaluateTerm(long long& value) { return Binary(3, value); }

bool CRcExpression::Fail(const CRcToken& at, const std::wstring& message) {
    if (m_error.empty()) {
        m_errorAt = at;
        m_error = message;
    }
    return false;
}

bool CRcExpression::Binary(int level, long long& value) {
    if (level >= kLevelCount) return Unary(value);
    if (!Binary(level + 1, value)) return false;
    for (;;) {
        const wchar_t* op = MatchOperator(m_in.Peek(), level);
        if (!op) return true;
        const CRcToken opToken = m_in.Next();
        long long rhs = 0;
        if (!Binary(level + 1, rhs)) return false;
        const std::wstring o = op;
        if (o == L"||") value = (value || rhs) ? 1 : 0;
        else if (o == L"&&") value = (value && rhs) ? 1 : 0;
        else if (o == L"|") value |= rhs;
        else if (o == L"^") value ^= rhs;
        else if (o == L"&") value &= rhs;
        else if (o == L"==") value = value == rhs;
        else if (o == L"!=") value = value != rhs;
        else if (o == L"<") value = value < rhs;
        else if (o == L">") value = value > rhs;
        else if (o == L"<=") value = value <= rhs;
        else if (o == L">=") value = value >= rhs;
        else if (o == L"<<" || o == L">>") {
            if (rhs < 0 || rhs > 62) return Fail(opToken, L"shift count out of range");
            if (o == L">>") {
                value >>= rhs;
            } else {
                // Shifting back must give the value again, or bits (or the sign) were lost.
                const long long shifted = static_cast<long long>(static_cast<unsigned long long>(value) << rhs);
                if ((shifted >> rhs) != value) return Fail(opToken, L"the value is out of range");
                value = shifted;
            }
        } else if (o == L"+") {
            if (__builtin_add_overflow(value, rhs, &value)) return Fail(opToken, L"the value is out of range");
        } else if (o == L"-") {
            if (__builtin_sub_overflow(value, rhs, &value)) return Fail(opToken, L"the value is out of range");
        } else if (o == L"*") {
            if (__builtin_mul_overflow(value, rhs, &value)) return Fail(opToken, L"the value is out of range");
        } else {
            if (rhs == 0) return Fail(opToken, L"division by zero");
            // The one quotient that does not fit: the lowest value divided by -1.
            if (rhs == -1 && value == std::numeric_limits<long long>::min())
                return Fail(opToken, L"the value is out of range");
            value = (o == L"/") ? value / rhs : value % rhs;
        }
    }
}

namespace {

constexpr int kMaxDepth = 200;

struct DepthGuard {
    int& depth;
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }
};

}  // namespace

bool CRcExpression::Unary(long long& value) {
    const DepthGuard guard(m_depth);
    const CRcToken t = m_in.Next();
    if (m_depth > kMaxDepth) return Fail(t, L"expression nested too deeply");
    if (t.kind == CRcToken::Punct) {
        if (t.text == L"(") {
            if (!Binary(0, value)) return false;
            if (!m_in.Peek().IsPunct(L")")) return Fail(m_in.Peek(), L"expected ')', found " + m_in.Peek().Describe());
            m_in.Next();
            return true;
        }
        if (t.text == L"-" || t.text == L"+" || t.text == L"~" || t.text == L"!") {
            if (!Unary(value)) return false;
            if (t.text == L"-") {
                if (value == std::numeric_limits<long long>::min()) return Fail(t, L"the value is out of range");
                value = -value;
            }
            else if (t.text == L"~") value = ~value;
            else if (t.text == L"!") value = !value;
            return true;
        }
    }
    if (t.kind == CRcToken::Number) {
        value = t.number;
        return true;
    }
    if (t.kind == CRcToken::Name) {
        if (m_isDefined && t.text == L"defined") {
            const bool paren = m_in.Peek().IsPunct(L"(");
            if (paren) m_in.Next();
            const CRcToken name = m_in.Next();
            if (name.kind != CRcToken::Name) return Fail(name, L"expected a name after 'defined', found " + name.Describe());
            if (paren) {
                if (!m_in.Peek().IsPunct(L")")) return Fail(m_in.Peek(), L"expected ')', found " + m_in.Peek().Describe());
                m_in.Next();
            }
            value = m_isDefined(name.text) ? 1 : 0;
            return true;
        }
        if (m_lookup(t.text, value)) return true;
        if (m_isDefined) {  // the preprocessor takes unknown names as 0
            value = 0;
            return true;
        }
        return Fail(t, L"unknown name '" + t.text + L"'");
    }
    return Fail(t, L"expected a number, found " + t.Describe());
}
