// The "JScript" grammar document.
#include "script_engine/front/languages.h"

const char* scJScriptGrammar() {
  return R"XML(<?xml version="1.0"?>
<language text="JScript">
  <parser>
    <commentline1 text="//"/>
    <commentblock1 text="/*,*/"/>
    <commentblock2 text="/*,*/"/>
    <stringquotes text="&#34;"/>
    <hexsequence text="0x"/>
    <specstrchar text="1"/>
    <declarevars text="0"/>
    <keywords>
      <break/><case/><continue/><default/><delete/><do/><else/><except/><finally/><for/>
      <function/><import/><in/><is/><if/><new/><return/><switch/><try/><var/><while/><with/>
    </keywords>
    <errors>
      <err1 text="Identifier expected"/>
      <err2 text="Expression expected"/>
      <err3 text="Statement expected"/>
      <err4 text="':' expected"/>
      <err5 text="';' expected"/>
      <err6 text="'.' expected"/>
      <err7 text="')' expected"/>
      <err8 text="']' expected"/>
      <err9 text="'=' expected"/>
      <err10 text="'{' expected"/>
      <err11 text="'}' expected"/>
      <err12 text="'(' expected"/>
      <err14 text="'WHILE' expected"/>
      <err17 text="'FINALLY' or 'EXCEPT' expected"/>
      <err18 text="'[' expected"/>
      <err19 text="'..' expected"/>
      <err20 text="'&#62;' expected"/>
    </errors>
  </parser>
  <types/>
  <empty/>
  <program>
    <statements/>
  </program>
  <statements node="compoundstmt">
    <optionalloop><statement/></optionalloop>
  </statements>
  <block>
    <char text="{"/>
    <statements/>
    <char text="}" err="err11"/>
  </block>
  <importstmt node="uses">
    <keyword text="IMPORT"/>
    <loop text=","><string add="file" err="err1"/></loop>
  </importstmt>
  <varstmt>
    <keyword text="VAR"/>
    <loop text=","><vardecl/></loop>
  </varstmt>
  <vardecl node="var">
    <ident add="ident"/>
    <optional><array/></optional>
    <optional><initvalue/></optional>
  </vardecl>
  <array node="array">
    <char text="["/>
    <loop text=","><arraydim err="err2"/></loop>
    <char text="]" err="err8"/>
  </array>
  <arraydim node="dim">
    <expression/>
  </arraydim>
  <initvalue node="init">
    <char text="="/>
    <expression err="err2"/>
  </initvalue>
  <expression node="expr">
    <simpleexpression/>
    <optionalloop><relop/><simpleexpression/></optionalloop>
  </expression>
  <simpleexpression>
    <optional><char text="-" add="op" addtext="unminus"/></optional>
    <term/>
    <optionalloop><addop/><term/></optionalloop>
  </simpleexpression>
  <term>
    <factor/>
    <optionalloop><mulop/><factor/></optionalloop>
  </term>
  <factor>
    <switch>
      <designator/>
      <number add="number"/>
      <string add="string"/>
      <sequence><char text="(" add="op"/><expression err="err2"/><char text=")" add="op" err="err7"/></sequence>
      <sequence><char text="!" add="op" addtext="not"/><factor err="err2"/></sequence>
      <sequence><char text="["/><setconstructor err="err2"/><char text="]" err="err8"/></sequence>
      <newoperator/>
      <sequence><char text="&#60;"/><frstring/><char text="&#62;" err="err20"/></sequence>
    </switch>
  </factor>
  <setconstructor node="set">
    <loop text=","><setnode/></loop>
  </setconstructor>
  <setnode>
    <expression/>
    <optional><char text="."/><char text="." add="range"/><expression/></optional>
  </setnode>
  <newoperator node="new">
    <keyword text="NEW"/>
    <designator err="err2"/>
  </newoperator>
  <relop>
    <switch>
      <sequence><char text="&#62;"/><char text="=" skip="0" add="op" addtext="&#62;="/></sequence>
      <sequence><char text="&#60;"/><char text="=" skip="0" add="op" addtext="&#60;="/></sequence>
      <char text="&#62;" add="op" addtext="&#62;"/>
      <char text="&#60;" add="op" addtext="&#60;"/>
      <sequence><char text="="/><char text="=" skip="0" add="op" addtext="="/></sequence>
      <sequence><char text="!"/><char text="=" skip="0" add="op" addtext="&#60;&#62;"/></sequence>
      <keyword text="IN" add="op" addtext="in"/>
      <keyword text="IS" add="op" addtext="is"/>
    </switch>
  </relop>
  <addop>
    <switch>
      <char text="+" add="op"/>
      <char text="-" add="op"/>
      <sequence><char text="|"/><char text="|" add="op" addtext="or"/></sequence>
      <char text="^" add="op" addtext="xor"/>
    </switch>
  </addop>
  <mulop>
    <switch>
      <char text="*" add="op"/>
      <char text="/" add="op"/>
      <keyword text="DIV" add="op" addtext="div"/>
      <char text="%" add="op" addtext="mod"/>
      <sequence><char text="&#38;"/><char text="&#38;" add="op" addtext="and"/></sequence>
      <sequence><char text="&#60;"/><char text="&#60;" skip="0" add="op" addtext="shl"/></sequence>
      <sequence><char text="&#62;"/><char text="&#62;" skip="0" add="op" addtext="shr"/></sequence>
    </switch>
  </mulop>
  <designator node="dsgn">
    <optional><char text="&#38;" add="addr"/></optional>
    <ident add="node"/>
    <optionalloop>
      <switch>
        <sequence><char text="."/><keyword add="node"/></sequence>
        <sequence><char text="[" add="node"/><exprlist err="err2"/><char text="]" err="err8"/></sequence>
        <sequence><char text="("/><optional><exprlist/></optional><char text=")" err="err7"/></sequence>
      </switch>
    </optionalloop>
  </designator>
  <exprlist>
    <loop text=","><expression/></loop>
  </exprlist>
  <statement>
    <switch>
      <breakstmt/><continuestmt/><deletestmt/><dowhilestmt/><forstmt/><functionstmt/><ifstmt/>
      <importstmt/><returnstmt/><switchstmt/><trystmt/><varstmt/><whilestmt/><withstmt/>
      <assignstmt/><callstmt/><block/>
    </switch>
    <optional><char text=";"/></optional>
  </statement>
  <breakstmt>
    <keyword text="BREAK" node="break"/>
  </breakstmt>
  <continuestmt>
    <keyword text="CONTINUE" node="continue"/>
  </continuestmt>
  <deletestmt node="delete">
    <keyword text="DELETE"/>
    <designator err="err2"/>
  </deletestmt>
  <assignstmt node="assignstmt">
    <designator/>
    <switch>
      <sequence><char text="+" add="modificator"/><char text="=" skip="0"/></sequence>
      <sequence><char text="-" add="modificator"/><char text="=" skip="0"/></sequence>
      <sequence><char text="*" add="modificator"/><char text="=" skip="0"/></sequence>
      <sequence><char text="/" add="modificator"/><char text="=" skip="0"/></sequence>
      <char text="="/>
    </switch>
    <expression err="err2"/>
  </assignstmt>
  <callstmt node="callstmt">
    <designator/>
    <optionalswitch>
      <sequence><char text="+"/><char text="+" skip="0" add="modificator"/></sequence>
      <sequence><char text="-"/><char text="-" skip="0" add="modificator"/></sequence>
    </optionalswitch>
  </callstmt>
  <returnstmt node="return">
    <keyword text="RETURN"/>
    <optional><expression/></optional>
  </returnstmt>
  <ifstmt node="ifstmt">
    <keyword text="IF"/>
    <char text="(" err="err12"/>
    <expression err="err2"/>
    <char text=")" err="err7"/>
    <statement node="thenstmt"/>
    <optional><keyword text="ELSE"/><statement node="elsestmt"/></optional>
  </ifstmt>
  <switchstmt node="casestmt">
    <keyword text="SWITCH"/>
    <char text="(" err="err12"/>
    <expression err="err2"/>
    <char text=")" err="err7"/>
    <char text="{" err="err10"/>
    <loop><caseselector/></loop>
    <optional><keyword text="DEFAULT"/><char text=":" err="err4"/><statement/></optional>
    <char text="}" err="err11"/>
  </switchstmt>
  <caseselector node="caseselector">
    <keyword text="CASE"/>
    <setconstructor err="err2"/>
    <char text=":" err="err4"/>
    <statement/>
  </caseselector>
  <dowhilestmt node="repeatstmt">
    <keyword text="DO"/>
    <statement/>
    <optional><char text=";"/></optional>
    <keyword text="WHILE" err="err14"/>
    <char text="(" err="err12"/>
    <expression err="err2"/>
    <empty add="inverse"/>
    <char text=")" err="err7"/>
    <char text=";" err="err5"/>
  </dowhilestmt>
  <whilestmt node="whilestmt">
    <keyword text="WHILE"/>
    <char text="(" err="err12"/>
    <expression err="err2"/>
    <char text=")" err="err7"/>
    <statement/>
  </whilestmt>
  <forstmt node="cppforstmt">
    <keyword text="FOR"/>
    <char text="(" err="err12"/>
    <forstmtitem/>
    <char text=";" err="err5"/>
    <expression err="err2"/>
    <char text=";" err="err5"/>
    <forstmtitem/>
    <char text=")" err="err7"/>
    <statement/>
  </forstmt>
  <forstmtitem>
    <switch><assignstmt/><callstmt/><varstmt/><empty node="empty"/></switch>
  </forstmtitem>
  <trystmt node="trystmt">
    <keyword text="TRY"/>
    <statement/>
    <switch err="err17">
      <sequence><keyword text="FINALLY"/><statement node="finallystmt"/></sequence>
      <sequence><keyword text="EXCEPT"/><statement node="exceptstmt"/></sequence>
    </switch>
  </trystmt>
  <functionstmt node="function">
    <functionheading/>
    <block/>
  </functionstmt>
  <functionheading>
    <keyword text="FUNCTION"/>
    <ident add="name" err="err2"/>
    <formalparameters/>
  </functionheading>
  <formalparameters node="parameters">
    <char text="("/>
    <optionalloop text=","><formalparam/></optionalloop>
    <char text=")" err="err7"/>
  </formalparameters>
  <formalparam node="var">
    <optional><char text="&#38;" add="varparam"/></optional>
    <ident add="ident"/>
  </formalparam>
  <withstmt node="with">
    <keyword text="WITH"/>
    <char text="("/>
    <designator err="err2"/>
    <char text=")" err="err7"/>
    <statement/>
  </withstmt>
</language>
)XML";
}
