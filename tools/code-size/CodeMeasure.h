#pragma once

#include <QString>

#include <vector>

// The length of a source file and of every function in it. A function runs from the line where
// its signature begins to its closing brace: free functions, member functions (in a class or
// out of it) and lambdas outside any function; a lambda inside a function counts towards that
// function. Comments, strings and preprocessor lines are left out of the reading, not of the
// lengths.
class CodeMeasure {
public:
    struct Function {
        QString signature; // its first line, trimmed
        int firstLine = 0; // 1-based
        int lines = 0;
    };

    explicit CodeMeasure(const QString& text);

    int lines() const { return lines_; }
    const std::vector<Function>& functions() const { return functions_; }

private:
    int lines_ = 0;
    std::vector<Function> functions_;
};
