#pragma once

#include "history/HistoryStep.h"
#include "history/StepRecorder.h"

#include <cstddef>
#include <deque>

class CanvasImage;

// The changes made to one canvas image, for undoing and redoing them. A
// step is recorded between beginStep() and endStep(); every change the
// canvas's painting operations make in between belongs to it. The history
// holds at most its budget in bytes and drops the oldest steps to stay
// within it; a new step drops the ones that could have been redone.
class UndoHistory {
public:
    static constexpr std::size_t kBudgetBytes = std::size_t{24} << 20;

    explicit UndoHistory(CanvasImage& canvas, std::size_t budgetBytes = kBudgetBytes);
    ~UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // A step open already is ended first.
    void beginStep();
    // Keeps the step if it changed any pixel; nothing when none is open.
    void endStep();
    bool isRecording() const { return m_recording; }

    // Each returns the rectangle it changed, empty when there was nothing to
    // do; while a step is being recorded they do nothing.
    PixelRect undo();
    PixelRect redo();

    // Forgets every step; a step being recorded starts afresh.
    void clear();

    std::size_t undoableSteps() const { return m_undoable; }
    std::size_t redoableSteps() const { return m_steps.size() - m_undoable; }
    std::size_t heldBytes() const { return m_heldBytes; }
    std::size_t budgetBytes() const { return m_budgetBytes; }

private:
    void keep(HistoryStep step);
    void dropRedoable();
    void dropOldest();

    CanvasImage& m_canvas;
    std::size_t m_budgetBytes;
    StepRecorder m_recorder;
    bool m_recording = false;
    std::deque<HistoryStep> m_steps;  // oldest first
    std::size_t m_undoable = 0;       // the first m_undoable steps are on the canvas
    std::size_t m_heldBytes = 0;
};
