#pragma once

#include "BoardControls.h"
#include "CharacterList.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace board::testing {

// A thrown stand-in for a failing control operation.
struct ControlFailure : std::runtime_error {
    ControlFailure()
        : std::runtime_error("control operation failed")
    {
    }
};

// The board's controls held in memory. Every operation is logged, so a test can
// check the order of the steps, and any operation can be made to fail.
class InMemoryControls final : public BoardControls {
public:
    Text text;
    Index selected = kNoRow;
    std::vector<std::string> log;
    // Called with the operation's name before it runs; throw to fail it.
    std::function<void(const std::string&)> beforeOperation;
    // When set, answers the reads of ListIndex in turn instead of `selected`.
    std::vector<Index> listIndexAnswers;

    Text compositionText() override
    {
        record("Text");
        return text;
    }
    void setCompositionText(const Text& value) override
    {
        record("Text=");
        text = value;
    }
    Index listIndex() override
    {
        record("ListIndex");
        if (listIndexAnswers.empty()) {
            return selected;
        }
        const Index answer = listIndexAnswers.front();
        listIndexAnswers.erase(listIndexAnswers.begin());
        return answer;
    }
    Text listRow(Index row) override
    {
        record("List(" + std::to_string(row) + ")");
        if (row < 0 || static_cast<std::size_t>(row) >= kCharacterRowCount) {
            throw ControlFailure();
        }
        return Text(characterRow(static_cast<std::size_t>(row)));
    }

private:
    void record(const std::string& operation)
    {
        if (beforeOperation) {
            beforeOperation(operation);
        }
        log.push_back(operation);
    }
};

} // namespace board::testing
