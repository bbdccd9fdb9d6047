#pragma once

#include "planets/ui/PlanetView.h"

// The four planet windows of the family.

namespace vantorel {

class MercuryView : public PlanetView {
    Q_OBJECT
public:
    explicit MercuryView(const ViewContext& context);
};

class VenusView : public PlanetView {
    Q_OBJECT
public:
    explicit VenusView(const ViewContext& context);
};

class MarsView : public PlanetView {
    Q_OBJECT
public:
    explicit MarsView(const ViewContext& context);

protected:
    bool onBodyCommand(int id) override;
    std::optional<CommandState> bodyCommandState(int id) const override;

private:
    void findCentralLongitude();
    void showSeasons();
};

class UranusView : public PlanetView {
    Q_OBJECT
public:
    explicit UranusView(const ViewContext& context);
};

}  // namespace vantorel
