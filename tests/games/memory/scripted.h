#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>

// Numbers a test chooses (cards the computer picks, pads the sequence draws), handed out in
// order; running out of them fails the test.
class Scripted {
public:
    Scripted() = default;
    Scripted(std::initializer_list<int> values) : values_(values) {}
    void assign(std::initializer_list<int> values) { values_.assign(values); }

    int next() {
        if (values_.empty()) {
            ADD_FAILURE() << "more numbers drawn than the test chose";
            return 1;
        }
        const int value = values_.front();
        values_.pop_front();
        return value;
    }
    bool spent() const { return values_.empty(); }

private:
    std::deque<int> values_;
};
