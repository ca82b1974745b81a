#pragma once
#include "data_access.h"
#include "recordset.h"

#include <QDate>
#include <QString>
#include <memory>

// The shared globals of the run: the settings loaded from "Config.ini", the
// work date, the logged-in user, the shared data-access objects and the
// answers modal windows hand back.
namespace AbreBD {

inline std::unique_ptr<clsDataAccess> gDataAccess;
inline QString gSQL;
inline RecordsetPtr gRs;
inline RecordsetPtr gRsIntegra;

// Settings ([section] key in "Config.ini").
inline QString gGuicheExport;            // [Export] guiche
inline QString gMensagem;                // [Mensagem] mensagem
inline QString gCabecalho;               // [Mensagem] cabecalho
inline QString gArquivoCofre;            // [Reserva] cofre
inline QString gPref;                    // [Mensagem] pref
inline int gSomaSuprimento = 0;          // [Reserva] soma
inline QString gGuiche;                  // [Export] guiche
inline QString gCaminhoRecebimentos;     // [Export] Path3
inline int gJuros = 0;                   // [Opcoes] juros
inline QString gCaminhoEstorno;          // [Export] Path2
inline QString gImpressora;              // [Print] impressora
inline QString gModo;                    // [Print] modo
inline QString gModoPrint;               // [Print] modo_print
inline int gPrintCupom = 0;              // [Print] print_cupom
inline int gPortaOpcoes = 0;             // [Opcoes] porta
inline QString gPorta;                   // [Print] porta
inline QString gImpressoraAutenticadora; // [Print] impressora_autenticadora
inline QString gImpressoraPadrao;        // [Print] impressora_padrao
inline int gTeclaMais = 0;               // [Export] tecla_mais
inline int gLineFeed = 0;                // [Print] lineFeed
inline int gDisableEsc = 0;              // [Print] disableEsc
inline QString gIP;                      // [Print] ip
inline int gRede = 0;                    // [Export] rede

// State of the run.
inline QDate gDataCaixa;
inline QString gUsuario;
inline QString gTipoUsuario;
inline QString gModoExibicao;
inline QString gLinhaImpressao;
inline bool gCancelaAutenticacao = false;
inline bool gContinuaVencida = false;

// "Config.ini" in the program's folder.
QString arquivoConfig();

// Loads every key of "Config.ini" into the globals above; always true. A bad
// number keeps the global's previous value.
bool Carrega_variaveis();

// Brings every global back to its state at program start (tests).
void reiniciaGlobais();

} // namespace AbreBD
