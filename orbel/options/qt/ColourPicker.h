#pragma once
// A colour picker drawn by the program: "Default" as text, then the sixteen colours as
// swatches. Each item carries the colour's name for screen readers (never drawn); a
// stored colour the list does not hold leaves the picker without a choice.
#include <QComboBox>

#include <cstdint>
#include <optional>

namespace orbel {

class ColourPicker : public QComboBox {
    Q_OBJECT
public:
    explicit ColourPicker(QWidget* parent = nullptr);

    // The choice (index into ColourChoices()), or none.
    std::optional<std::size_t> Choice() const;
    // Chooses the item that holds `stored`, or none when no item does.
    void ShowStored(std::int32_t stored);

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace orbel
