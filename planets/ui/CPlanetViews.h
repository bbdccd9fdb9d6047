#pragma once

#include "planets/ui/CPlanetView.h"

// The four planet windows of the family.

namespace vantorel {

class CMercureView : public CPlanetView {
    Q_OBJECT
public:
    explicit CMercureView(const ViewContext& context);
};

class CVenusView : public CPlanetView {
    Q_OBJECT
public:
    explicit CVenusView(const ViewContext& context);
};

class CMarsView : public CPlanetView {
    Q_OBJECT
public:
    explicit CMarsView(const ViewContext& context);

protected:
    bool onBodyCommand(int id) override;
    std::optional<CommandState> bodyCommandState(int id) const override;

private:
    void findCentralLongitude();
    void showSeasons();
};

class CUranusView : public CPlanetView {
    Q_OBJECT
public:
    explicit CUranusView(const ViewContext& context);
};

}  // namespace vantorel
