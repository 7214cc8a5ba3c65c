// Random programs of the transfer-function language for differential tests:
// constants, functions of s and expression statements over numbers that reach
// the division guard, overflow and signed zeros. Every other program reads
// only names assigned before, so that its result depends on s alone; the
// others read names in any order, and so values of earlier evaluations.
#pragma once
#include <iterator>
#include <random>
#include <string>
#include <vector>

class RandomPrograms {
public:
    explicit RandomPrograms(unsigned seed) : random_(seed) {}

    std::string next()
    {
        inOrder_ = !inOrder_;
        constants_.clear();
        functions_.clear();
        std::string text;
        const int statements = pick(1, 6);
        for (int i = 0; i < statements; ++i)
            text += statement();
        if (chance(0.7))
            text += probe();
        return text;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    std::string anyName(char first) { return std::string(1, static_cast<char>(first + pick(0, 3))); }

    // A name to read: in order, one assigned before (empty when there is none).
    std::string nameToRead(const std::vector<std::string>& assigned, char first)
    {
        if (!inOrder_)
            return anyName(first);
        return assigned.empty() ? "" : assigned[pick(0, static_cast<int>(assigned.size()) - 1)];
    }

    std::string probe()
    {
        const bool function = chance(0.5);
        const std::string name = function ? nameToRead(functions_, 'F') : nameToRead(constants_, 'a');
        if (name.empty())
            return "";
        return "PROBE " + name + (function ? "(s);\n" : ";\n");
    }

    std::string number()
    {
        static const char* const numbers[] = {"0", "1", "2", "0.5", "1.2", "3.75", "1e-130", "1e-200", "1e300",
                                              "7", "0.1", "1e-5", "100", "2.5e2"};
        return numbers[pick(0, static_cast<int>(std::size(numbers)) - 1)];
    }

    std::string statement()
    {
        std::string text;
        switch (pick(0, 3)) {
        case 0: {
            const std::string name = anyName('a');
            text = name + " = " + expression(false, pick(0, 3)) + ";\n";
            constants_.push_back(name);
            break;
        }
        case 1:
        case 2: {
            const std::string name = anyName('F');
            text = name + "(s) = " + expression(true, pick(0, 4)) + ";\n";
            functions_.push_back(name);
            break;
        }
        default: text = expression(true, pick(0, 3)) + ";\n";
        }
        return text;
    }

    // withS: an expression of s, which may read functions of s.
    std::string expression(bool withS, int depth)
    {
        if (depth == 0)
            return leaf(withS);
        static const char* const binary[] = {" + ", " - ", " * ", " / ", " // ", " ** "};
        static const char* const functions[] = {"exp", "log", "ln", "sin", "cos", "tan",
                                                "sinh", "cosh", "tanh", "sqrt"};
        switch (pick(0, 5)) {
        case 0: return "-" + expression(withS, depth - 1);
        case 1: return std::string(functions[pick(0, 9)]) + "(" + expression(withS, depth - 1) + ")";
        case 2: return polynomial(withS, depth - 1);
        default:
            return "(" + expression(withS, depth - 1) + binary[pick(0, 5)] + expression(withS, depth - 1) + ")";
        }
    }

    // A polynomial in Horner form whose coefficients are leaves: numbers, names or s.
    std::string polynomial(bool withS, int depth)
    {
        const std::string variable = leaf(withS);
        std::string text = expression(withS, depth);
        for (int degree = pick(1, 4); degree > 0; --degree)
            text = "(" + text + ")*" + variable + " + " + leaf(withS);
        return "(" + text + ")";
    }

    std::string leaf(bool withS)
    {
        std::string name;
        switch (pick(0, withS ? 3 : 1)) {
        case 1: name = nameToRead(constants_, 'a'); break;
        case 2: return "s";
        case 3: name = nameToRead(functions_, 'F'); return name.empty() ? "s" : name + "(s)";
        default: break;
        }
        return name.empty() ? number() : name;
    }

    std::mt19937 random_;
    bool inOrder_ = false;
    std::vector<std::string> constants_;
    std::vector<std::string> functions_;
};
