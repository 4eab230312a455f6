#pragma once
// What the placement helpers and the collection of loaded windows need of a
// window: its place and size in twips, read back as they were set, and
// whether it is loaded. Setting a place or size loads nothing: whoever places
// an unloaded window loads it first.
#include <QString>

class Form {
public:
    virtual ~Form() = default;
    virtual QString formName() const = 0;
    virtual bool isLoaded() const = 0;
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float twips)
    {
        placed_ = true;
        setTwips(left_, twips);
    }
    void setTop(float twips)
    {
        placed_ = true;
        setTwips(top_, twips);
    }
    // Whether Left or Top was ever set; a window never placed stands where
    // the window manager put it.
    bool isPlaced() const { return placed_; }
    void setWidth(float twips) { setTwips(width_, twips); }
    void setHeight(float twips) { setTwips(height_, twips); }

protected:
    Form(float widthTwips, float heightTwips) : width_(widthTwips), height_(heightTwips) {}
    // Moves and sizes the window on the screen to the twips now set.
    virtual void applyGeometry() = 0;

    float left_ = 0, top_ = 0, width_, height_;
    bool placed_ = false;

private:
    void setTwips(float& field, float twips)
    {
        field = twips;
        applyGeometry();
    }
};
