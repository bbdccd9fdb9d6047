#pragma once

namespace vantorel {

// The constant data of one planet, written once by its constructor.
class DATA_INIT_VAR {
public:
    virtual ~DATA_INIT_VAR() = default;
    virtual void initConstants() = 0;
};

}  // namespace vantorel
