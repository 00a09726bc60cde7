// "Edit Channel" / "Add Channel": name, PIDs, service ID, CAS and lock of one channel, with
// its satellite and transponder shown read-only. The dialog shows and validates values
// only; EditChannel reads and writes the tables.
#pragma once

#include <QDialog>
#include <string>
#include <string_view>

#include "database/View.h"
#include "ui/dialogs/DialogSupport.h"

class QComboBox;
class QLineEdit;

namespace kavro {

class Interaction;

class ChannelDialog : public QDialog {
    Q_OBJECT

public:
    explicit ChannelDialog(Interaction& interaction, QWidget* parent = nullptr);

    // Setters show the value at once; getters answer the values read by the last OK.
    // Add mode chooses the caption and makes OK refuse what Add Channel refuses in `view`
    // (View::All, View::Tv or View::Radio), naming the field and the rule.
    void setAddMode(bool add, View view = View::All);
    bool addMode() const { return addMode_; }
    // Names are Latin-1 bytes. A name left as shown comes back as the very bytes given.
    void setName(std::string_view bytes);
    const std::string& name() const { return name_; }
    void setVideoPid(int value);
    int videoPid() const { return videoPid_; }
    void setAudioPid(int value);
    int audioPid() const { return audioPid_; }
    void setPcrPid(int value);
    int pcrPid() const { return pcrPid_; }
    void setSatelliteText(std::string_view bytes);
    void setTransponderText(std::string_view bytes);
    void setServiceId(int value);
    int serviceId() const { return serviceId_; }
    // Lock: list positions 0 "Off", 1 "On"; any other index shows no selection and reads -1.
    // CAS: the stored value, 0 "Off" and 1 "On"; another value shows as an item of its own
    // (its systems' names) and reads back as itself while chosen; a negative one shows no
    // selection and reads -1.
    void setCasIndex(int index);
    int casIndex() const { return casIndex_; }
    void setLockIndex(int index);
    int lockIndex() const { return lockIndex_; }

    // Reads name, video, audio and PCR PIDs, service ID, CAS and lock in that order, then
    // in add mode checks Add Channel's refusals in the same order; closes only when all pass.
    void accept() override;

private:
    bool readValues();
    bool acceptedForAdd(FieldReader& reader, const NewChannel& channel);

    Interaction& interaction_;
    bool addMode_ = false;
    View addView_ = View::All;
    std::string name_;
    int videoPid_ = 0;
    int audioPid_ = 0;
    int pcrPid_ = 0;
    int serviceId_ = 0;
    int casIndex_ = -1;
    int lockIndex_ = -1;

    NameField nameField_;
    QLineEdit* satelliteEdit_;
    QLineEdit* transponderEdit_;
    QLineEdit* nameEdit_;
    QLineEdit* serviceIdEdit_;
    QLineEdit* videoPidEdit_;
    QLineEdit* audioPidEdit_;
    QLineEdit* pcrPidEdit_;
    QComboBox* lockList_;
    QComboBox* casList_;
};

}  // namespace kavro
