#include "history/UndoHistory.h"

#include "raster/CanvasImage.h"

#include <utility>

UndoHistory::UndoHistory(CanvasImage& canvas, std::size_t budgetBytes)
    : m_canvas(canvas), m_budgetBytes(budgetBytes), m_recorder(canvas)
{
}

UndoHistory::~UndoHistory()
{
    if (m_recording) m_canvas.setRecorder(nullptr);
}

void UndoHistory::beginStep()
{
    endStep();
    m_canvas.setRecorder(&m_recorder);
    m_recording = true;
}

void UndoHistory::endStep()
{
    if (!m_recording) return;
    m_canvas.setRecorder(nullptr);
    m_recording = false;
    if (auto step = m_recorder.finish()) keep(std::move(*step));
}

void UndoHistory::keep(HistoryStep step)
{
    dropRedoable();
    const std::size_t bytes = step.bytes();
    if (bytes > m_budgetBytes) {
        // Without this step the older ones would be undone onto pixels it
        // changed, giving a picture that never was; they go with it.
        clear();
        return;
    }
    while (m_heldBytes + bytes > m_budgetBytes) dropOldest();
    m_heldBytes += bytes;
    m_steps.push_back(std::move(step));
    ++m_undoable;
}

void UndoHistory::dropRedoable()
{
    while (m_steps.size() > m_undoable) {
        m_heldBytes -= m_steps.back().bytes();
        m_steps.pop_back();
    }
}

void UndoHistory::dropOldest()
{
    m_heldBytes -= m_steps.front().bytes();
    m_steps.pop_front();
    --m_undoable;
}

PixelRect UndoHistory::undo()
{
    if (m_recording || m_undoable == 0) return {};
    --m_undoable;
    return m_steps[m_undoable].undo(m_canvas);
}

PixelRect UndoHistory::redo()
{
    if (m_recording || m_undoable == m_steps.size()) return {};
    return m_steps[m_undoable++].redo(m_canvas);
}

void UndoHistory::clear()
{
    m_steps.clear();
    m_undoable = 0;
    m_heldBytes = 0;
    if (m_recording) m_recorder.discard();
}
