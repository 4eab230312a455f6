#pragma once
// The geographic-distance window: two points in degrees, minutes and seconds
// with their hemispheres, and the great-circle distance between them in km and
// miles, recomputed on every change. Each load starts afresh with a new model.
#include "geo/Geo23NP.h"
#include "quantities/Length.h"
#include "shell/ui/ToolWindow.h"

#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;

class FGeo : public ToolWindow {
    Q_OBJECT
public:
    enum Point { StartPoint, EndPoint };
    enum Coord { Lat, Lon };
    enum Field { Deg, Min, Sec };

    FGeo();
    ~FGeo() override;

    void Fcalculate_dist();

    // The twelve input boxes share one filter and one change handler.
    void txt_Change(Point p, Coord c, Field k);

    void Cb_lat_NS_sp_Click() { hemisphere_Click(StartPoint, Lat); }
    void CB_Lon_EW_sp_Click() { hemisphere_Click(StartPoint, Lon); }
    void CB_Lat_NS_ep_Click() { hemisphere_Click(EndPoint, Lat); }
    void CB_Lon_EW_ep_Click() { hemisphere_Click(EndPoint, Lon); }
    void Bt_Resetsp_Click() { reset(StartPoint); }
    void Bt_Resetep_Click() { reset(EndPoint); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    // Builds a point's frame; returns its Reset button.
    QPushButton* buildPoint(QWidget* body, Point p);
    void hemisphere_Click(Point p, Coord c);
    // The user leaves a hemisphere list's text field.
    void hemisphereLeft(Point p, Coord c);
    void selectSecondItem(Point p, Coord c);
    void reset(Point p);
    double rangeCheck(Point p, Coord c, Field k);
    // The one box that reads its whole text as one number.
    static bool strictBox(Point p, Coord c, Field k);
    void place(Point p, Coord c);

    std::unique_ptr<Geo23NP> geo_;
    Length LengthObj;
    double accepted_[2][2][3] = {};
    double entered_[2][2][3] = {};
    QString hemisphere_[2][2];
    double EQR_ISO = 0, PolR_ISO = 0, EQR_Eng = 0, PolR_Eng = 0;
    double distance_ = 0;

    QLineEdit* box_[2][2][3] = {};
    QComboBox* list_[2][2] = {};
    QLineEdit* Txt_EQR_ISO = nullptr;
    QLineEdit* Txt_PolR_ISO = nullptr;
    QLineEdit* Txt_EQR_Eng = nullptr;
    QLineEdit* Txt_PolR_Eng = nullptr;
    QLineEdit* Txt_dist_ISO = nullptr;
    QLineEdit* Txt_dist_Eng = nullptr;
};
