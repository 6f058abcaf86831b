#pragma once

// The block of the sheet whose caption opened the selection dialog last: the skills of one
// attribute (1 to 7), or the features.
class PickSource {
public:
    static constexpr PickSource skills(int attribute) { return PickSource(attribute); }
    static constexpr PickSource features() { return PickSource(kFeatures); }

    constexpr bool isfeatures() const { return attribute_ == kFeatures; }
    // The attribute whose skills are offered; meaningless for the features.
    constexpr int attribute() const { return attribute_; }

    friend constexpr bool operator==(PickSource, PickSource) = default;

private:
    static constexpr int kFeatures = 0;
    explicit constexpr PickSource(int attribute) : attribute_(attribute) {}

    int attribute_;
};
