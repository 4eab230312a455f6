#pragma once
// What the placement helpers need of a window: its place and size in twips,
// read back as they were set. Setting any of them loads an unloaded window.
#include <QString>

class Form {
public:
    virtual ~Form() = default;
    virtual QString formName() const = 0;
    virtual float Left() const = 0;
    virtual float Top() const = 0;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual void setLeft(float twips) = 0;
    virtual void setTop(float twips) = 0;
    virtual void setWidth(float twips) = 0;
    virtual void setHeight(float twips) = 0;
};
