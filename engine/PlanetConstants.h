#pragma once

namespace vantorel {

// The constant data of one planet, written once by its constructor.
class PlanetConstants {
public:
    virtual ~PlanetConstants() = default;
    virtual void initConstants() = 0;
};

}  // namespace vantorel
