#pragma once
// Integer expressions of resource scripts: numbers, #defined and standard names, unary
// - + ~ !, and the binary operators * / % + - << >> < > <= >= == != & ^ | && || with the
// precedence of C. In #if lines, defined(NAME) is allowed and unknown names count as 0.
#include <functional>
#include <string>

#include "platform/core/rc_lexer.h"

class CRcExpression {
public:
    using Lookup = std::function<bool(const std::wstring& name, long long& value)>;
    using IsDefined = std::function<bool(const std::wstring& name)>;

    CRcExpression(CRcTokenStream& in, Lookup lookup);
    // The preprocessor's rules: defined(NAME), unknown names are 0.
    void SetPreprocessor(IsDefined isDefined) { m_isDefined = std::move(isDefined); }

    // A whole expression. On failure, ErrorToken() and Error() say where and what.
    bool Evaluate(long long& value);
    // An expression without the operators | || &&: one term of a style expression.
    bool EvaluateTerm(long long& value);

    const CRcToken& ErrorToken() const { return m_errorAt; }
    const std::wstring& Error() const { return m_error; }

private:
    bool Binary(int level, long long& value);
    bool Unary(long long& value);
    bool Fail(const CRcToken& at, const std::wstring& message);

    CRcTokenStream& m_in;
    Lookup m_lookup;
    IsDefined m_isDefined;
    int m_depth = 0;  // nesting of parentheses and unary operators, limited against stack exhaustion
    CRcToken m_errorAt;
    std::wstring m_error;
};
