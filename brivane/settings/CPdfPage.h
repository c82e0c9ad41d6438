#pragma once
// The PDF page: document information, the PDF/A switch, the security choice, passwords and the
// permissions of 40-bit and 128-bit encryption. The switch gates the whole security area and the
// security choice gates the password and permission boxes.

#include "settings/CSettingPage.h"

#include <array>

class CPdfPage : public CSettingPage {
    Q_OBJECT
public:
    explicit CPdfPage(QWidget* parent = nullptr);

    QString m_title;
    QString m_subject;
    QString m_creator;
    QString m_author;
    QString m_producer;
    QString m_keyword;
    int m_outputPdfa = 0;
    // 0 no password, 1 40-bit RC4 with user password, 2 128-bit with user password,
    // 3 40-bit without password, 4 128-bit without password; -1 none chosen.
    int m_securityType = 0;
    QString m_ownerPassword;
    QString m_userPassword;
    // Printing, editing, extraction, annotations.
    std::array<int, 4> m_permissions40{};
    // Printing, high quality printing, editing, extraction, annotations, filling forms,
    // text extraction, assembly.
    std::array<int, 8> m_permissions128{};

    void DataToControls() override;
    void ControlsToData() override;

private:
    void ApplySecurityRule(int choice) const;
    void ApplyPdfaRule() const;
    void EnableSecurityBoxes(bool passwords, bool permissions40, bool permissions128) const;
};
