<?xml version="1.0" encoding="UTF-8"?>
<!--
  The look of the diagnostic report: one printable page with the workshop's header, the vehicle
  and the customer, the readiness of the emission monitors, the stored and pending trouble codes,
  the freeze frame, the oxygen-sensor tests and the monitor tests. A section appears only when the document holds it.

  The same HTML is shown by the program's preview (a rich-text view that knows tables, the table
  attributes and simple CSS) and by web browsers that open a saved report, so the layout keeps to
  what both render alike: tables with border and padding attributes, colours and font sizes.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" indent="yes"/>

  <xsl:template match="/doc">
    <html>
      <head>
        <title><xsl:value-of select="LAYOUT_REPORT/TITLE"/></title>
        <style type="text/css">
          body { font-family: "DejaVu Sans", Verdana, Arial, sans-serif; font-size: 9pt;
                 color: #000000; background-color: #FFFFFF; }
          h1 { font-size: 15pt; font-weight: bold; margin-top: 10px; margin-bottom: 6px; }
          h2 { font-size: 10.5pt; font-weight: bold; margin-top: 14px; margin-bottom: 4px;
               color: #1F3B5A; }
          table.grid { border-collapse: collapse; }
          table.grid td, table.grid th { border: 1px solid #A0A0A0; padding: 3px; }
          th { background-color: #DFDFDF; text-align: left; font-weight: bold; }
          td.group { background-color: #F0F0F0; font-weight: bold; }
          td.label { color: #404040; }
          td.number { text-align: right; }
          td.code { font-weight: bold; }
          .workshop { font-size: 12pt; font-weight: bold; }
          .small { font-size: 8pt; color: #404040; }
          td.fail { background-color: #F4C7C3; color: #A00000; font-weight: bold; }
          td.notread { color: #707070; font-style: italic; }
        </style>
      </head>
      <body>
        <xsl:apply-templates select="USER_INFO"/>
        <h1><xsl:value-of select="LAYOUT_REPORT/TITLE"/></h1>
        <xsl:apply-templates select="VEHICLE_CUSTOMER_INFO"/>
        <xsl:apply-templates select="SYSTEM_STATUS"/>
        <xsl:apply-templates select="STORED_DTCS"/>
        <xsl:apply-templates select="PENDING_DTCS"/>
        <xsl:apply-templates select="PERMANENT_DTCS"/>
        <xsl:apply-templates select="FREEZE_FRAME"/>
        <xsl:apply-templates select="OXYGEN_SENSOR"/>
        <xsl:apply-templates select="MONITOR_TESTS"/>
      </body>
    </html>
  </xsl:template>

  <!-- The workshop's name and address at the left, its contact lines and the date at the right. -->
  <xsl:template match="USER_INFO">
    <table width="100%" cellspacing="0" cellpadding="2" border="0">
      <tr>
        <td valign="top" width="55%">
          <span class="workshop"><xsl:value-of select="USER_NAME"/></span>
          <xsl:for-each select="USER_ADDRESS1 | USER_ADDRESS2 | USER_ADDRESS3">
            <xsl:if test="normalize-space(.) != ''">
              <br/><xsl:value-of select="."/>
            </xsl:if>
          </xsl:for-each>
        </td>
        <td valign="top" width="45%">
          <table cellspacing="0" cellpadding="1" border="0">
            <xsl:call-template name="contact"><xsl:with-param name="name" select="'USER_PHONE'"/></xsl:call-template>
            <xsl:call-template name="contact"><xsl:with-param name="name" select="'USER_FAX'"/></xsl:call-template>
            <xsl:call-template name="contact"><xsl:with-param name="name" select="'USER_EMAIL'"/></xsl:call-template>
            <xsl:call-template name="contact"><xsl:with-param name="name" select="'USER_INTERNET'"/></xsl:call-template>
            <tr>
              <td class="label"><xsl:value-of select="DATE_TIME_LAB"/></td>
              <td><xsl:value-of select="DATE_TIME"/></td>
            </tr>
          </table>
        </td>
      </tr>
    </table>
    <hr/>
  </xsl:template>

  <!-- A contact line with its label, left out when the workshop has not filled it in. -->
  <xsl:template name="contact">
    <xsl:param name="name"/>
    <xsl:variable name="value" select="*[name() = $name]"/>
    <xsl:if test="normalize-space($value) != ''">
      <tr>
        <td class="label"><xsl:value-of select="*[name() = concat($name, '_LAB')]"/></td>
        <td><xsl:value-of select="$value"/></td>
      </tr>
    </xsl:if>
  </xsl:template>

  <xsl:template match="VEHICLE_CUSTOMER_INFO">
    <table width="100%" cellspacing="0" cellpadding="0" border="0">
      <tr>
        <xsl:if test="TITLE_VEHICLE_INFO">
          <td valign="top" width="50%">
            <h2><xsl:value-of select="TITLE_VEHICLE_INFO"/></h2>
            <table cellspacing="0" cellpadding="2" border="0">
              <xsl:for-each select="VEHICLE_MAKE_LAB | VEHICLE_MODEL_LAB | VEHICLE_YEAR_LAB | VEHICLE_VIN_LAB">
                <tr>
                  <td class="label"><xsl:value-of select="."/></td>
                  <td><xsl:value-of select="following-sibling::*[1]"/></td>
                </tr>
              </xsl:for-each>
            </table>
          </td>
        </xsl:if>
        <xsl:if test="TITLE_CUSTOMER_ADDRESS">
          <td valign="top" width="50%">
            <h2><xsl:value-of select="TITLE_CUSTOMER_ADDRESS"/></h2>
            <xsl:for-each select="ADDRESS1 | ADDRESS2 | ADDRESS3 | ADDRESS4">
              <xsl:value-of select="."/><br/>
            </xsl:for-each>
          </td>
        </xsl:if>
      </tr>
    </table>
  </xsl:template>

  <!-- The lamp, then one row per monitor with its supported and completed state. -->
  <xsl:template match="SYSTEM_STATUS">
    <h2>MIL: <xsl:value-of select="MIL_STATE"/></h2>
    <table class="grid" border="1" cellspacing="0" cellpadding="3" width="70%">
      <tr>
        <th width="50%"></th>
        <xsl:choose>
          <xsl:when test="contains(TITLE_S_C, '/')">
            <th width="25%"><xsl:value-of select="substring-before(TITLE_S_C, '/')"/></th>
            <th width="25%"><xsl:value-of select="substring-after(TITLE_S_C, '/')"/></th>
          </xsl:when>
          <xsl:otherwise>
            <th colspan="2"><xsl:value-of select="TITLE_S_C"/></th>
          </xsl:otherwise>
        </xsl:choose>
      </tr>
      <tr><td class="group" colspan="3"><xsl:value-of select="TITLE_READINESS_1"/></td></tr>
      <xsl:for-each select="TEST_1_C | TEST_2_C | TEST_3_C">
        <xsl:call-template name="monitor"/>
      </xsl:for-each>
      <tr><td class="group" colspan="3"><xsl:value-of select="TITLE_READINESS_2"/></td></tr>
      <xsl:for-each select="TEST_1_N | TEST_2_N | TEST_3_N | TEST_4_N">
        <xsl:call-template name="monitor"/>
      </xsl:for-each>
    </table>
    <!-- Every monitor the vehicle supports for its ignition type, with this drive cycle's state
         where the vehicle told it. -->
    <xsl:if test="MONITOR">
      <p><xsl:value-of select="IGNITION_LAB"/>&#160;<xsl:value-of select="IGNITION"/></p>
      <table class="grid" border="1" cellspacing="0" cellpadding="3" width="70%">
        <tr>
          <th width="50%"></th>
          <th width="25%">
            <xsl:choose>
              <xsl:when test="contains(TITLE_S_C, '/')">
                <xsl:value-of select="substring-after(TITLE_S_C, '/')"/>
              </xsl:when>
              <xsl:otherwise><xsl:value-of select="TITLE_S_C"/></xsl:otherwise>
            </xsl:choose>
          </th>
          <xsl:if test="TITLE_THIS_DRIVE_CYCLE">
            <th width="25%"><xsl:value-of select="TITLE_THIS_DRIVE_CYCLE"/></th>
          </xsl:if>
        </tr>
        <xsl:for-each select="MONITOR">
          <tr>
            <td><xsl:value-of select="MONITOR_NAME"/></td>
            <td><xsl:value-of select="MONITOR_C"/></td>
            <xsl:if test="../TITLE_THIS_DRIVE_CYCLE">
              <td><xsl:value-of select="MONITOR_D"/></td>
            </xsl:if>
          </tr>
        </xsl:for-each>
      </table>
    </xsl:if>
  </xsl:template>

  <xsl:template name="monitor">
    <xsl:variable name="name" select="name()"/>
    <tr>
      <td><xsl:value-of select="."/></td>
      <td><xsl:value-of select="../*[name() = concat($name, '_S')]"/></td>
      <td><xsl:value-of select="../*[name() = concat($name, '_C')]"/></td>
    </tr>
  </xsl:template>

  <!-- The result sections follow their title section as its siblings. -->
  <xsl:template match="STORED_DTCS">
    <h2><xsl:value-of select="TITLE_STORED_DTCS"/></h2>
    <xsl:call-template name="codes">
      <xsl:with-param name="rows" select="../STORED_DTC_RESULTS"/>
    </xsl:call-template>
  </xsl:template>

  <xsl:template match="PENDING_DTCS">
    <h2><xsl:value-of select="TITLE_PENDING_DTCS"/></h2>
    <xsl:call-template name="codes">
      <xsl:with-param name="rows" select="../PENDING_DTC_RESULTS"/>
    </xsl:call-template>
  </xsl:template>

  <xsl:template match="PERMANENT_DTCS">
    <h2><xsl:value-of select="TITLE_PERMANENT_DTCS"/></h2>
    <xsl:call-template name="codes">
      <xsl:with-param name="rows" select="../PERMANENT_DTC_RESULTS"/>
    </xsl:call-template>
  </xsl:template>

  <!-- The unit column only where some code names its control unit. -->
  <xsl:template name="codes">
    <xsl:param name="rows"/>
    <table class="grid" border="1" cellspacing="0" cellpadding="3" width="100%">
      <xsl:for-each select="$rows">
        <tr>
          <td class="code" width="12%"><xsl:value-of select="DTC_NUMBER"/></td>
          <td><xsl:value-of select="DTC_DESCRIPTION"/></td>
          <xsl:if test="$rows/DTC_UNIT">
            <td width="20%"><xsl:value-of select="DTC_UNIT"/></td>
          </xsl:if>
        </tr>
      </xsl:for-each>
    </table>
  </xsl:template>

  <!-- The code that stored the frame, then one row per parameter: name, value and unit. -->
  <xsl:template match="FREEZE_FRAME">
    <h2><xsl:value-of select="TITLE_FREEZE_FRAME"/></h2>
    <p><xsl:value-of select="FF_DTC_LAB"/>: <b><xsl:value-of select="FF_DTC"/></b></p>
    <xsl:variable name="labels"
        select="*[substring(name(), string-length(name()) - 3) = '_LAB' and name() != 'FF_DTC_LAB']"/>
    <xsl:if test="$labels or FF_VALUE">
      <table class="grid" border="1" cellspacing="0" cellpadding="3" width="70%">
        <xsl:for-each select="$labels">
          <tr>
            <td width="70%"><xsl:value-of select="."/></td>
            <td class="number"><xsl:value-of select="following-sibling::*[1]"/></td>
          </tr>
        </xsl:for-each>
        <xsl:for-each select="FF_VALUE">
          <tr>
            <td width="70%"><xsl:value-of select="PID"/>&#160;&#160;<xsl:value-of select="NAME"/></td>
            <td class="number"><xsl:value-of select="VALUE"/>
              <xsl:if test="string(UNIT)">&#160;<xsl:value-of select="UNIT"/></xsl:if></td>
          </tr>
        </xsl:for-each>
      </table>
    </xsl:if>
  </xsl:template>

  <!-- The ten tests of the chosen sensor under the grid's headings. -->
  <xsl:template match="OXYGEN_SENSOR">
    <h2><xsl:value-of select="TITLE_OXYGEN_SENSOR"/></h2>
    <xsl:if test="O2_NOT_READ">
      <p><b><xsl:value-of select="O2_NOT_READ"/></b></p>
    </xsl:if>
    <table class="grid" border="1" cellspacing="0" cellpadding="3" width="100%">
      <tr>
        <th><xsl:value-of select="TITLE_LAB"/></th>
        <th><xsl:value-of select="TITLE_VAL"/></th>
        <th><xsl:value-of select="TITLE_MIN"/></th>
        <th><xsl:value-of select="TITLE_MAX"/></th>
        <th><xsl:value-of select="TITLE_UNI"/></th>
      </tr>
      <xsl:for-each select="*[starts-with(name(), 'TEST') and substring(name(), string-length(name()) - 3) = '_LAB']">
        <tr>
          <td><xsl:value-of select="."/></td>
          <td class="number"><xsl:value-of select="following-sibling::*[1]"/></td>
          <td class="number"><xsl:value-of select="following-sibling::*[2]"/></td>
          <td class="number"><xsl:value-of select="following-sibling::*[3]"/></td>
          <td><xsl:value-of select="following-sibling::*[4]"/></td>
        </tr>
      </xsl:for-each>
    </table>
  </xsl:template>

  <!-- Every monitor test; a failed test stands out in every cell of its row, and a test that
       did not come is greyed rather than left to look passed. The cells carry the colour as an
       attribute too, for the preview, which does not apply every class rule. -->
  <xsl:template match="MONITOR_TESTS">
    <h2><xsl:value-of select="TITLE_MONITOR_TESTS"/></h2>
    <xsl:if test="MT_NOT_READ">
      <p><b><xsl:value-of select="MT_NOT_READ"/></b></p>
    </xsl:if>
    <xsl:if test="MONITOR_TEST">
      <table class="grid" border="1" cellspacing="0" cellpadding="3" width="100%">
        <tr>
          <th><xsl:value-of select="MT_TITLE_MONITOR"/></th>
          <th><xsl:value-of select="MT_TITLE_TEST"/></th>
          <th><xsl:value-of select="MT_TITLE_VAL"/></th>
          <th><xsl:value-of select="MT_TITLE_MIN"/></th>
          <th><xsl:value-of select="MT_TITLE_MAX"/></th>
          <th><xsl:value-of select="MT_TITLE_UNI"/></th>
          <th><xsl:value-of select="MT_TITLE_RESULT"/></th>
        </tr>
        <xsl:for-each select="MONITOR_TEST">
          <xsl:variable name="mark">
            <xsl:choose>
              <xsl:when test="MT_STATE = 'fail'">fail</xsl:when>
              <xsl:when test="MT_STATE = 'not-read'">notread</xsl:when>
            </xsl:choose>
          </xsl:variable>
          <tr>
            <xsl:for-each select="MT_MONITOR | MT_TEST | MT_VAL | MT_MIN | MT_MAX | MT_UNI | MT_RESULT">
              <td>
                <xsl:if test="$mark != ''">
                  <xsl:attribute name="class"><xsl:value-of select="$mark"/></xsl:attribute>
                </xsl:if>
                <xsl:if test="$mark = 'fail'">
                  <xsl:attribute name="bgcolor">#F4C7C3</xsl:attribute>
                </xsl:if>
                <xsl:choose>
                  <xsl:when test="$mark = 'fail' and name() = 'MT_RESULT'"><b><xsl:value-of select="."/></b></xsl:when>
                  <xsl:otherwise><xsl:value-of select="."/></xsl:otherwise>
                </xsl:choose>
              </td>
            </xsl:for-each>
          </tr>
        </xsl:for-each>
      </table>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
